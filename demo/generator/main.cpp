// Writes the demo show folder: the test groups with their documents,
// announcements (as placeholder chimes; the build script replaces them with
// speech) and movement pictures, the settings file, the two working lists,
// and the music as WAV files for the build script to encode.
//
// Usage: trelvan-demo-gen <output folder> <final folder> <work folder>
// The output folder is filled; the final folder is where it will be used, and
// the paths in the settings file and the lists point there.

#include "Music.h"
#include "Pictures.h"
#include "ShowTests.h"
#include "Synth.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <vector>

namespace trelvan::demo {
namespace {

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        fail("cannot write " + path);
    }
}

// Text as a word processor saves it in a Western code page document.
QByteArray rtfText(const QString& text) {
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 128) {
            out += static_cast<char>(u);
        } else if (u == 0x2013) {
            out += "\\endash ";
        } else if (u < 256) {
            out += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + "?";
        }
    }
    return out;
}

// The document, and beside it the plain text the program searches in, so
// that the numbering convention can be checked here.
QByteArray testDocument(const DressageTest& test) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031"
                     "{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}"
                     "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n"
                     "\\viewkind4\\uc1\r\n";
    QString plain;
    rtf += "\\pard\\sa120\\b\\f0\\fs32 " + rtfText(test.title) + "\\b0\\par\r\n";
    plain += test.title + "\n";
    for (const auto& heading : test.headings) {
        rtf += "\\pard\\fs20 " + rtfText(heading) + "\\par\r\n";
        plain += heading + "\n";
    }
    rtf += "\\pard\\sa60\\fs20\\par\r\n";
    plain += "\n";

    std::vector<qsizetype> starts;
    rtf += "\\pard\\tx567\\tx2268\\sa60\\fs24 ";
    for (std::size_t m = 0; m < test.movements.size(); ++m) {
        const auto& lines = test.movements[m].lines;
        starts.push_back(plain.size());
        const QString number = QString::number(m + 1);
        rtf +=
            number.toLatin1() + "\\tab " + rtfText(lines[0].at) + "\\tab " + rtfText(lines[0].text);
        plain += number + "\t" + lines[0].at + "\t" + lines[0].text;
        for (std::size_t l = 1; l < lines.size(); ++l) {
            rtf += test.paragraphPerLine ? "\\par\r\n" : "\\line\r\n";
            rtf += "\\tab " + rtfText(lines[l].at) + "\\tab " + rtfText(lines[l].text);
            plain += "\n\t" + lines[l].at + "\t" + lines[l].text;
        }
        rtf += "\\par\r\n";
        plain += "\n";
    }
    rtf += "}\r\n";

    for (std::size_t m = 0; m < starts.size(); ++m) {
        const QString key = QString::number(m + 1) + "\t";
        if (plain.indexOf(key) != starts[m]) {
            fail(QString("%1: movement %2 is not the first \"%2<TAB>\" of the document")
                     .arg(test.name)
                     .arg(m + 1));
        }
    }
    return rtf;
}

void savePicture(const Track& track, const QString& path) {
    const QImage image = track.render();
    if (image.pixelColor(0, image.height() - 1) != QColor(Qt::white)) {
        fail(path + ": the lower-left pixel must show the background");
    }
    if (!image.save(path, "BMP")) {
        fail("cannot write " + path);
    }
}

// A two-note chime, used as the announcement until speech replaces it.
void saveChime(const QString& path, int number) {
    Mix mix(0.9);
    mix.note(0.0, 0.25, 76 + number % 5, 0.5, 0, Mix::Wave::Sine, 0.01, 0.1);
    mix.note(0.3, 0.4, 72, 0.5, 0, Mix::Wave::Sine, 0.01, 0.15);
    if (!mix.writeWav(path)) {
        fail("cannot write " + path);
    }
}

QByteArray crlfLines(const QStringList& lines) {
    QByteArray out;
    for (const auto& line : lines) {
        out += line.toUtf8() + "\r\n";
    }
    return out;
}

void run(const QString& outDir, const QString& finalDir, const QString& workDir) {
    const QString exeFolder = finalDir + "/";
    QDir().mkpath(outDir + "/Musik");
    QDir().mkpath(workDir + "/music");

    QStringList speech; // "<relative wav path>\t<text>"
    for (const auto& test : demoTests()) {
        const QString rel = test.group + "/" + test.name + "/";
        const QString dir = outDir + "/" + rel;
        QDir().mkpath(dir);
        writeFile(dir + test.name + ".rtf", testDocument(test));
        savePicture(Track({10, -2.6}).to({10, 2.5}), dir + "0.bmp");
        saveChime(dir + "0.wav", 0);
        speech << rel + "0.wav\t" + test.openingSpeech;
        for (std::size_t m = 0; m < test.movements.size(); ++m) {
            const QString n = QString::number(m + 1);
            savePicture(test.movements[m].track(), dir + n + ".bmp");
            saveChime(dir + n + ".wav", static_cast<int>(m + 1));
            speech << rel + n + ".wav\t" + test.movements[m].speech;
        }
    }
    writeFile(workDir + "/speech.tsv", crlfLines(speech).replace("\r\n", "\n"));

    // The music, rendered on both cores.
    QStringList pieces;
    for (const auto& p : cuePieces() + songPieces()) {
        pieces << p.fileName;
    }
    std::atomic<qsizetype> next{0};
    std::atomic<bool> ok{true};
    auto worker = [&] {
        for (qsizetype i = next++; i < pieces.size(); i = next++) {
            if (!renderPiece(pieces[i], workDir + "/music/" + pieces[i] + ".wav")) {
                ok = false;
            }
        }
    };
    std::thread helper(worker);
    worker();
    helper.join();
    if (!ok) {
        fail("cannot render the music into " + workDir + "/music");
    }
    writeFile(workDir + "/music.txt", crlfLines(pieces).replace("\r\n", "\n"));

    auto songPaths = [&exeFolder](const QStringList& names) {
        QStringList paths;
        for (const auto& name : names) {
            paths << exeFolder + "Musik/" + name + ".mp3";
        }
        return paths;
    };
    writeFile(outDir + "/hintergrund.ls", crlfLines(songPaths(backgroundSongs())));
    writeFile(outDir + "/pausen.ls", crlfLines(songPaths(breakSongs())));

    const auto& cues = cuePieces();
    const auto& chosen = demoTests().front();
    const QStringList ini{
        "[Einstellungen]",
        "aExePath=" + exeFolder,
        "aAufgabePath=" + chosen.group + "/" + chosen.name + "/",
        "aAufgabe=" + chosen.name,
        "",
        "[Musik]",
        "Eroeffnung=" + exeFolder + "Musik/" + cues[0].fileName + ".mp3",
        "Einritt=" + exeFolder + "Musik/" + cues[1].fileName + ".mp3",
        "Sieger=" + exeFolder + "Musik/" + cues[2].fileName + ".mp3",
        "Ehrenrunde=" + exeFolder + "Musik/" + cues[3].fileName + ".mp3",
        "Volumen2=700",
        "Volumen1=1000",
        "HintergrundFileName=" + exeFolder + "hintergrund.ls",
        "PausenFileName=" + exeFolder + "pausen.ls",
    };
    writeFile(outDir + "/trelvan-control.INI", crlfLines(ini));
}

} // namespace
} // namespace trelvan::demo

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <output folder> <final folder> <work folder>\n", argv[0]);
        return 2;
    }
    try {
        trelvan::demo::run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                           QString::fromLocal8Bit(argv[3]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trelvan-demo-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
