#include "RtfReader.h"

#include "CodePages.h"
#include "RtfParser.h"

#include <QStringDecoder>
#include <QTextDocument>
#include <string_view>

namespace trelvan::rtf {
namespace {

qsizetype skipByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

// Where the RTF group starts, or -1 when the bytes are not RTF.
qsizetype rtfStart(const QByteArray& bytes) {
    qsizetype i = skipByteOrderMark(bytes);
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf") ? i : -1;
}

void loadPlainText(const QByteArray& bytes, QTextDocument& document) {
    const QByteArrayView content = QByteArrayView(bytes).sliced(skipByteOrderMark(bytes));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(content);
    if (utf8.hasError()) {
        text.clear();
        appendWindows1252(std::string_view(content.data(), std::size_t(content.size())), text);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    sanitizeText(text, true);
    document.setPlainText(text);
}

} // namespace

bool looksLikeRtf(const QByteArray& bytes) {
    return rtfStart(bytes) >= 0;
}

void loadDocument(const QByteArray& bytes, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    try {
        document.clear();
        // The view is read-only: an undo record of the load would only cost.
        document.setUndoRedoEnabled(false);
        const qsizetype start = rtfStart(bytes);
        if (start >= 0) {
            RtfParser parser(
                std::string_view(bytes.constData() + start, std::size_t(bytes.size() - start)),
                document);
            parser.run();
        } else {
            loadPlainText(bytes, document);
        }
    } catch (...) {
        // Out of memory while building the document: what was read stays.
    }
    document.setUndoRedoEnabled(undo);
}

} // namespace trelvan::rtf
