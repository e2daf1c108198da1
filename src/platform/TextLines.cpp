#include "platform/TextLines.h"

#include <QStringDecoder>

namespace trelvan {
namespace {

// Calls `line(begin, length, endLength)` for every line of `text`.
template <typename Text, typename Char, typename Visit>
void forEachLine(const Text& text, Char cr, Char lf, Visit line) {
    const qsizetype n = text.size();
    qsizetype begin = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != cr && text[i] != lf)
            continue;
        const qsizetype endLength = (text[i] == cr && i + 1 < n && text[i + 1] == lf) ? 2 : 1;
        line(begin, i - begin, endLength);
        i += endLength - 1;
        begin = i + 1;
    }
    if (begin < n)
        line(begin, n - begin, 0);
}

} // namespace

QList<RawLine> splitRawLines(const QByteArray& bytes) {
    QList<RawLine> lines;
    forEachLine(bytes, '\r', '\n', [&](qsizetype begin, qsizetype length, qsizetype endLength) {
        lines.append({bytes.mid(begin, length), bytes.mid(begin + length, endLength)});
    });
    return lines;
}

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    if (windows.isValid()) {
        text = windows(bytes);
        if (!windows.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    forEachLine(text, QChar(u'\r'), QChar(u'\n'),
                [&](qsizetype begin, qsizetype length, qsizetype) {
                    lines.append(text.mid(begin, length));
                });
    return lines;
}

} // namespace trelvan
