#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace trelvan {

// One line of a text file as it stands on disk: its bytes and its line end
// ("\r\n", "\n", "\r", or empty for a last line without one). Keeping both lets
// a file be rewritten with untouched lines staying byte for byte.
struct RawLine {
    QByteArray text;
    QByteArray end;
};

// Splits at CR LF, lone CR and lone LF. A line end at the very end of the
// bytes adds no empty line; an empty input gives no lines.
QList<RawLine> splitRawLines(const QByteArray& bytes);

// The text of bytes read from a file: UTF-8 when they are valid UTF-8 (a
// leading byte-order mark is dropped), otherwise Windows-1252, the encoding of
// files brought over from a Windows installation.
QString decodeText(const QByteArray& bytes);

// The same splitting rules on decoded text.
QStringList splitLines(const QString& text);

} // namespace trelvan
