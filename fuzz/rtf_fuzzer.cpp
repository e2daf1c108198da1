// Feeds arbitrary bytes to the RTF reader and lays the result out, as the
// document view would. Bytes that are not RTF are read a second time behind
// an RTF header, so that the fuzzer spends its time in the RTF parser.
#include "platform/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

namespace {

void readAndLayOut(const QByteArray& bytes) {
    QTextDocument document;
    trelvan::rtf::loadDocument(bytes, document);
    (void)document.toPlainText();
    document.setTextWidth(600);
    (void)document.documentLayout()->documentSize();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rtf_fuzzer";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives for the whole run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    readAndLayOut(bytes);
    if (!trelvan::rtf::looksLikeRtf(bytes))
        readAndLayOut(QByteArray("{\\rtf1\\ansi ") + bytes);
    return 0;
}
