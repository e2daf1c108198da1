#include "MediaFiles.h"

#include "SoundFiles.h"

#include "platform/media/Gstreamer.h"

#include <QDir>
#include <QFile>
#include <gst/gst.h>
#include <stdexcept>

namespace trelvan::test {
namespace {

// Runs a gst-launch description to its end (the files are written by filesink).
void render(const QString& description) {
    if (!renderPipeline(description))
        throw std::runtime_error(("cannot render " + description).toStdString());
}

// `seconds` of a test tone in the given raw format, then `encoder` into `path`.
void tone(const QString& path, double seconds, int rate, int channels, const QString& encoder,
          const QString& wave = QStringLiteral("sine")) {
    const int samplesPerBuffer = rate / 100;
    render(QStringLiteral("audiotestsrc wave=%1 num-buffers=%2 samplesperbuffer=%3 ! "
                          "audio/x-raw,rate=%4,channels=%5 ! %6 ! filesink location=\"%7\"")
               .arg(wave)
               .arg(qRound(seconds * 100))
               .arg(samplesPerBuffer)
               .arg(rate)
               .arg(channels)
               .arg(encoder, path));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write fixture");
}

} // namespace

const MediaFiles& MediaFiles::get() {
    static const MediaFiles files;
    return files;
}

MediaFiles::MediaFiles() {
    const QString base = dir.path() + QLatin1Char('/');
    const QString cbr = QStringLiteral("lamemp3enc target=bitrate bitrate=128 cbr=true");
    cbrMp3 = base + QStringLiteral("cbr.mp3");
    tone(cbrMp3, 0.4, 44100, 2, cbr);
    // The encoder writes no Xing header; without one a VBR file's duration is
    // unknown until the parser has seen the frames.
    vbrMp3 = base + QStringLiteral("vbr.mp3");
    tone(vbrMp3, 0.5, 44100, 2, QStringLiteral("lamemp3enc target=quality quality=2"),
         QStringLiteral("pink-noise"));
    mpeg25Mp3 = base + QStringLiteral("mpeg25.mp3");
    tone(mpeg25Mp3, 0.5, 8000, 1, QStringLiteral("lamemp3enc target=bitrate bitrate=16 cbr=true"));
    wav = base + QStringLiteral("tone.wav");
    tone(wav, 0.4, 44100, 1, QStringLiteral("wavenc"));
    longWav = base + QStringLiteral("long.wav");
    tone(longWav, 1.5, 44100, 1, QStringLiteral("wavenc"));

    textMp3 = base + QStringLiteral("text.mp3");
    writeFile(textMp3, QByteArray("Dies ist keine Musik, nur ein Text.\n").repeated(20));
    // At 320 kbit/s a frame takes 1045 bytes: the first KB holds not one whole frame.
    const QString whole = base + QStringLiteral("whole.mp3");
    tone(whole, 1.0, 44100, 2, QStringLiteral("lamemp3enc target=bitrate bitrate=320 cbr=true"));
    QFile source(whole);
    if (!source.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read fixture");
    truncatedMp3 = base + QStringLiteral("truncated.mp3");
    writeFile(truncatedMp3, source.read(1024));

    missing = base + QStringLiteral("fehlt.mp3");
    folder = base + QStringLiteral("ordner.mp3");
    QDir().mkpath(folder);
}

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : name_(name), old_(qgetenv(name)), hadValue_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (hadValue_)
        qputenv(name_, old_);
    else
        qunsetenv(name_);
}

} // namespace trelvan::test
