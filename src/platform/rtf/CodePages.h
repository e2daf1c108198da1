#pragma once

// Decoding of the byte texts found in RTF documents and plain-text files.
// Windows code pages 1250, 1251 and 1252 have built-in tables; other code
// pages go through QStringDecoder when Qt knows them, else through 1252.

#include <QString>
#include <QStringDecoder>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace trelvan::rtf {

// The Windows code page that a font's \fcharset stands for; 0 for the
// ANSI and default character sets, which follow the document's code page.
int codePageForCharset(int charset);

// Makes decoded text safe for a QTextDocument: drops control characters but
// the tab (and the line feed when `keepLineFeeds`), replaces the characters
// that Qt reserves for frames and objects and unpaired surrogates by U+FFFD,
// and turns a paragraph separator into a line separator.
void sanitizeText(QString& text, bool keepLineFeeds);

// Appends `bytes` in single-byte code page 1252 to `out` (no state).
void appendWindows1252(std::string_view bytes, QString& out);

// Decodes byte runs of any code page. Keeps one decoder per code page, so a
// document that switches between fonts of different scripts stays fast.
class CodePageDecoder {
public:
    CodePageDecoder();
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    // Appends the text of `bytes` in `codePage` to `out`; bytes that do not
    // form a character give U+FFFD.
    void append(int codePage, std::string_view bytes, QString& out);

private:
    QStringDecoder* decoderFor(int codePage);
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> decoders_;
};

} // namespace trelvan::rtf
