#include "DocumentWriter.h"

#include "RtfProperties.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextLength>
#include <QTextTable>
#include <QTextTableFormat>
#include <algorithm>

namespace trelvan::rtf {

DocumentWriter::DocumentWriter(QTextDocument& document) : document_(document), cursor_(&document) {
    cursor_.movePosition(QTextCursor::End);
    // One edit block for the whole load: outside one, every insertion lays
    // out its paragraph again to place the cursor, which triples the time.
    cursor_.beginEditBlock();
}

DocumentWriter::~DocumentWriter() {
    // A load cut short (out of memory) must not leave the document inside
    // the edit block: it would never report a change again.
    if (!finished_)
        cursor_.endEditBlock();
}

void DocumentWriter::text(const QString& text, int formatId, const QTextCharFormat& format) {
    if (text.isEmpty())
        return;
    if (inTable_) {
        auto& runs = openCell().back().runs;
        if (!runs.empty() && !runs.back().isImage && runs.back().formatId == formatId)
            runs.back().text += text;
        else
            runs.push_back(Run{text, format, formatId, false});
        return;
    }
    if (formatId != pendingId_) {
        flushRun();
        pendingId_ = formatId;
        pendingFormat_ = format;
    }
    pending_ += text;
}

void DocumentWriter::image(const QTextImageFormat& format) {
    if (inTable_) {
        openCell().back().runs.push_back(Run{QString(), format, -1, true});
        return;
    }
    flushRun();
    cursor_.insertImage(format);
}

void DocumentWriter::endParagraph(int blockId, const QTextBlockFormat& block, int formatId,
                                  const QTextCharFormat& format) {
    if (inTable_) {
        Cell& cell = openCell();
        cell.back().block = block;
        cell.emplace_back();
        return;
    }
    // Paragraph breaks travel inside the text runs: a break inserted with
    // the text makes a block with the format of the block it splits, so
    // paragraphs of one format cost no call of their own. Each call into the
    // document costs microseconds, and a test document has thousands of
    // paragraphs.
    if (blockId != appliedBlockId_) {
        flushRun();
        cursor_.setBlockFormat(block);
        appliedBlockId_ = blockId;
    }
    if (pending_.isEmpty()) {
        pendingId_ = formatId;
        pendingFormat_ = format;
    }
    pending_ += QChar(QChar::ParagraphSeparator);
}

void DocumentWriter::enterTable() {
    if (inTable_)
        return;
    flushRun();
    inTable_ = true;
    rows_.clear();
    firstRowEdges_.clear();
    rowOpen_ = false;
    cellOpen_ = false;
}

void DocumentWriter::leaveTable() {
    if (!inTable_)
        return;
    inTable_ = false;
    writeTable();
    rows_.clear();
}

void DocumentWriter::endCell(const QTextBlockFormat& block) {
    openCell().back().block = block;
    cellOpen_ = false;
}

void DocumentWriter::endRow(const std::vector<int>& cellRightEdges) {
    if (!inTable_ || !rowOpen_)
        return;
    if (rows_.size() == 1)
        firstRowEdges_ = cellRightEdges;
    rowOpen_ = false;
    cellOpen_ = false;
}

void DocumentWriter::finish(int blockId, const QTextBlockFormat& block) {
    leaveTable();
    flushRun();
    if (blockId != appliedBlockId_)
        cursor_.setBlockFormat(block);
    cursor_.endEditBlock();
    finished_ = true;
}

void DocumentWriter::flushRun() {
    if (pending_.isEmpty())
        return;
    cursor_.insertText(pending_, pendingFormat_);
    pending_.clear();
}

DocumentWriter::Cell& DocumentWriter::openCell() {
    if (!rowOpen_) {
        rows_.emplace_back();
        rowOpen_ = true;
        cellOpen_ = false;
    }
    auto& cells = rows_.back().cells;
    if (!cellOpen_) {
        cells.emplace_back(1);
        cellOpen_ = true;
    }
    return cells.back();
}

void DocumentWriter::writeRun(QTextCursor& cursor, const Run& run) {
    if (run.isImage)
        cursor.insertImage(run.format.toImageFormat());
    else
        cursor.insertText(run.text, run.format);
}

void DocumentWriter::writeParagraphs(QTextCursor& cursor, const Cell& cell, bool continueBlock) {
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const Paragraph& paragraph = cell[i];
        if (i > 0 || !continueBlock)
            cursor.insertBlock(paragraph.block);
        else
            cursor.setBlockFormat(paragraph.block);
        for (const Run& run : paragraph.runs)
            writeRun(cursor, run);
    }
}

void DocumentWriter::writeTable() {
    if (rows_.empty())
        return;
    std::size_t columns = 1;
    for (const Row& row : rows_)
        columns = std::max(columns, row.cells.size());
    columns = std::min<std::size_t>(columns, kMaxColumns);
    if (rows_.size() * columns > kMaxTableCells) {
        writeTableAsLines();
        return;
    }

    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    if (firstRowEdges_.size() == columns) {
        QList<QTextLength> widths;
        int left = 0;
        for (int edge : firstRowEdges_) {
            const int width = edge - left;
            widths.append(width > 0 ? QTextLength(QTextLength::FixedLength, twipsToPixels(width))
                                    : QTextLength());
            left = std::max(left, edge);
        }
        format.setColumnWidthConstraints(widths);
    }

    appliedBlockId_ = -1;
    QTextTable* table = cursor_.insertTable(int(rows_.size()), int(columns), format);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const auto& cells = rows_[r].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            // Cells beyond the last column go on in the last column.
            const std::size_t column = std::min(c, columns - 1);
            QTextCursor cellCursor = table->cellAt(int(r), int(column)).lastCursorPosition();
            writeParagraphs(cellCursor, cells[c], c == column);
        }
    }
    cursor_.movePosition(QTextCursor::End);
}

void DocumentWriter::writeTableAsLines() {
    appliedBlockId_ = -1;
    for (const Row& row : rows_) {
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (c > 0)
                cursor_.insertText(QStringLiteral("\t"));
            writeParagraphs(cursor_, row.cells[c], true);
        }
        cursor_.insertBlock();
    }
}

} // namespace trelvan::rtf
