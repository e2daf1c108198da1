// RTF load of a test document of 1 MB (5,000 movements) into the view's
// document, in MB/s, against reading the same file's bytes.
#include "Bench.h"

#include "platform/rtf/RtfReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

using trelvan::bench::Figure;
using trelvan::bench::medianMs;

constexpr double kRequiredMegabytesPerSecond = 20;

// A document as a word processor saves it: font and colour tables, a
// style sheet, a bold title, and movement lines with tab stops, character
// runs in groups of their own and umlauts as \'hh and \uN.
QByteArray testDocument() {
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1031"
        "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}}\r\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\fs24\\lang1031 \\snext0 Normal;}}\r\n"
        "{\\info{\\title Aufgabe}{\\author Richter}}\\paperw11906\\paperh16838\\deftab708\r\n"
        "\\pard\\plain\\qc\\sa240{\\rtlch\\fcs1 \\ab\\af1 \\ltrch\\fcs0 \\b\\f1\\fs32\\insrsid1 "
        "Dressurpr\\'fcfung Klasse S \\endash  Langaufgabe}{\\f1\\fs32 \\par }\r\n";
    for (int n = 1; n <= 5000; ++n) {
        rtf += "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa60\\widctlpar\\tx567\\tx1701\\tqr\\tx8505"
               "\\wrapdefault\\itap0 {\\rtlch\\fcs1 \\ab\\af1 \\ltrch\\fcs0 \\b\\f1\\insrsid1 ";
        rtf += QByteArray::number(n);
        rtf += "}{\\rtlch\\fcs1 \\af1 \\ltrch\\fcs0 \\f1\\insrsid1 \\tab K-X-M\\tab "
               "Versammelter Trab, Gr\\u252\\'fc\\u223\\'dfen\\tab 10\\par }\r\n";
    }
    rtf += "}";
    return rtf;
}

std::vector<Figure> rtfLoad() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Aufgabe.rtf"));
    const QByteArray document = testDocument();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size())
            return {};
    }
    const double megabytes = double(document.size()) / (1024.0 * 1024.0);

    QByteArray bytes;
    const double readMs = medianMs(9, [&] {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    });
    const double loadMs = medianMs(7, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        QTextDocument view;
        trelvan::rtf::loadDocument(file.readAll(), view);
    });

    Figure figure;
    figure.name =
        QStringLiteral("RTF load of a 1 MB test document (5,000 movements) into the view");
    figure.unit = QStringLiteral("MB/s");
    figure.higherIsBetter = true;
    figure.measured = loadMs > 0 ? megabytes / (loadMs / 1000.0) : 0;
    figure.floor = readMs > 0 ? megabytes / (readMs / 1000.0) : 0;
    const bool met = figure.measured >= kRequiredMegabytesPerSecond;
    figure.note = QStringLiteral("%1 MB file read and loaded into a QTextDocument in %2 ms "
                                 "(median of 7); required >= %3 MB/s: %4")
                      .arg(megabytes, 0, 'f', 2)
                      .arg(loadMs, 0, 'f', 1)
                      .arg(kRequiredMegabytesPerSecond)
                      .arg(met ? QStringLiteral("met") : QStringLiteral("MISSED"));
    return {figure};
}

} // namespace

TRELVAN_BENCH("rtf", rtfLoad);
