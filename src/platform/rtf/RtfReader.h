#pragma once

// Reads a test document into a QTextDocument for the document view.

#include <QByteArray>

class QTextDocument;

namespace trelvan::rtf {

// Fills `document` (cleared first) from the file's bytes: RTF when they begin
// with "{\rtf" (after an optional UTF-8 byte order mark and white space),
// otherwise plain text (UTF-8 when valid, else Windows-1252). Never throws,
// never crashes, takes time and memory linear in the input on any bytes.
void loadDocument(const QByteArray& bytes, QTextDocument& document);

// True when loadDocument reads the bytes as RTF.
bool looksLikeRtf(const QByteArray& bytes);

} // namespace trelvan::rtf
