#pragma once

// Reads an RTF document into a QTextDocument. The parser keeps one state per
// open group (destination, character and paragraph properties, \uc count) and
// hands the body's text, paragraphs, pictures and table rows to a
// DocumentWriter. Time and memory are linear in the input: the group stack
// is capped, parameters are clamped, tables and pictures are bounded.

#include "CodePages.h"
#include "DocumentWriter.h"
#include "RtfKeywords.h"
#include "RtfLexer.h"
#include "RtfProperties.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QTextDocument;

namespace trelvan::rtf {

class RtfParser {
public:
    // Groups nested deeper than this are read as text-less.
    static constexpr std::size_t kMaxDepth = 1000;
    // Pictures larger than this are left out (pixels, each and in sum).
    static constexpr qint64 kMaxImagePixels = 4096LL * 4096;
    static constexpr qint64 kMaxDocumentPixels = 2 * kMaxImagePixels;

    RtfParser(std::string_view input, QTextDocument& document);

    void run();

private:
    enum class Destination : std::uint8_t { Body, Skip, FontTable, ColorTable, Picture, Container };
    struct GroupState {
        Destination destination = Destination::Body;
        int unicodeSkip = 1;
        CharProps chars;
        ParaProps para;
    };
    struct Picture {
        int kind = 0; // 1 PNG, 2 JPEG
        int width = 0, height = 0, goalWidth = 0, goalHeight = 0;
        int scaleX = 100, scaleY = 100;
        QByteArray data;
        int highNibble = -1;
    };
    struct CachedFormat {
        CharProps props;
        int id;
        QTextCharFormat format;
    };

    GroupState& state() { return stack_.back(); }
    void openGroup();
    void closeGroup();
    void controlWord(const Token& token);
    void controlSymbol(char symbol);
    void textBytes(std::string_view bytes);
    void hexByte(unsigned char byte);
    void binary(std::string_view data);
    bool consumeSkippedCharacter();

    void enterDestination(Action action);
    bool charProperty(Action action, const Token& token);
    bool paraProperty(const Keyword& keyword, const Token& token);
    static void addTabStop(ParaProps& props, TabStop stop);
    void fontTableWord(Action action, const Token& token);
    void pictureWord(Action action, const Token& token);

    void appendCharacter(char16_t character);
    void decodeBytes();
    void flushText();
    void syncTableMode();
    void paragraphBreak();
    void cell();
    void row();

    int currentCodePage() const;
    const CachedFormat& currentFormat();
    struct CachedBlock {
        int id = -1;
        QTextBlockFormat format;
    };
    const CachedBlock& currentBlockFormat();
    void commitFont();
    void commitColour();
    void pictureHex(std::string_view bytes);
    void finishPicture();

    RtfLexer lexer_;
    QTextDocument& document_;
    DocumentWriter writer_;
    CodePageDecoder decoder_;

    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    bool finished_ = false;
    bool starPending_ = false;
    int skipCount_ = 0;

    int documentCodePage_ = 1252;
    int defaultFont_ = 0; // font 0 when the document names none
    int defaultTab_ = 720;

    std::string byteBuffer_; // body bytes not yet decoded
    QString textBuffer_;     // body text not yet handed to the writer

    std::unordered_map<int, FontEntry> fonts_;
    int fontNumber_ = -1;
    FontEntry fontEntry_;
    std::string fontName_;

    std::vector<QColor> colours_;
    int red_ = -1, green_ = -1, blue_ = -1;

    std::vector<CachedFormat> formatCache_;
    int nextFormatId_ = 0;
    ParaProps cachedPara_;
    CachedBlock cachedBlock_;

    std::vector<int> cellEdges_;
    Picture picture_;
    qint64 imagePixels_ = 0;
};

} // namespace trelvan::rtf
