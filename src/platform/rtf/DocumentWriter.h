#pragma once

// Writes the body of an RTF document into a QTextDocument: runs of text with
// their character format, paragraph ends with their block format, pictures,
// and table rows. Rows are collected until the table ends and then inserted
// as one QTextTable, because growing a QTextTable row by row costs time
// quadratic in its size.

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextImageFormat>
#include <vector>

class QTextDocument;

namespace trelvan::rtf {

class DocumentWriter {
public:
    static constexpr int kMaxColumns = 64;
    // Tables larger than this are written as tabbed lines, so that a small
    // file cannot make a huge table.
    static constexpr std::size_t kMaxTableCells = 100000;

    explicit DocumentWriter(QTextDocument& document);
    ~DocumentWriter();
    DocumentWriter(const DocumentWriter&) = delete;
    DocumentWriter& operator=(const DocumentWriter&) = delete;

    // `formatId` names `format`: runs with the same id are merged.
    void text(const QString& text, int formatId, const QTextCharFormat& format);
    void image(const QTextImageFormat& format);
    // `blockId` names `block` as `formatId` names `format`; `format` is the
    // format of the paragraph mark.
    void endParagraph(int blockId, const QTextBlockFormat& block, int formatId,
                      const QTextCharFormat& format);

    bool inTable() const { return inTable_; }
    void enterTable();
    void leaveTable();
    void endCell(const QTextBlockFormat& block);
    // `cellRightEdges` are the row's \cellx positions in twips.
    void endRow(const std::vector<int>& cellRightEdges);

    // Ends the document; `block` is the format of its last paragraph. Must
    // be called once at the end: it closes the edit block of the load.
    void finish(int blockId, const QTextBlockFormat& block);

private:
    struct Run {
        QString text;
        QTextCharFormat format;
        int formatId = -1;
        bool isImage = false;
    };
    struct Paragraph {
        QTextBlockFormat block;
        std::vector<Run> runs;
    };
    using Cell = std::vector<Paragraph>;
    struct Row {
        std::vector<Cell> cells;
    };

    void flushRun();
    Cell& openCell();
    static void writeRun(QTextCursor& cursor, const Run& run);
    static void writeParagraphs(QTextCursor& cursor, const Cell& cell, bool continueBlock);
    void writeTable();
    void writeTableAsLines();

    QTextDocument& document_;
    QTextCursor cursor_;
    QString pending_;
    QTextCharFormat pendingFormat_;
    int pendingId_ = -1;
    int appliedBlockId_ = -1; // format id of the document's last block, -1 unknown

    bool inTable_ = false;
    std::vector<Row> rows_;
    std::vector<int> firstRowEdges_;
    bool rowOpen_ = false;
    bool cellOpen_ = false;
    bool finished_ = false;
};

} // namespace trelvan::rtf
