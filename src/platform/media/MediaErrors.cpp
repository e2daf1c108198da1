#include "platform/media/MediaErrors.h"

#include "platform/media/Player.h"

#include <gst/gst.h>

namespace trelvan {

PlayerFailure fileNotFound(const QString& path) {
    return {kPlayerFileNotFound, QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(path)};
}

PlayerFailure fileNotReadable(const QString& path) {
    return {kPlayerFileNotReadable,
            QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path)};
}

PlayerFailure notPlayable(const QString& path) {
    return {kPlayerNotPlayable,
            QStringLiteral("Die Datei %1 ist keine abspielbare Audiodatei.").arg(path)};
}

PlayerFailure noAudioOutput() {
    return {kPlayerNoAudioOutput, QStringLiteral("Keine Audioausgabe verfügbar.")};
}

PlayerFailure openTimeout(const QString& path) {
    return {kPlayerOpenTimeout,
            QStringLiteral("Die Datei %1 konnte nicht rechtzeitig geöffnet werden.").arg(path)};
}

PlayerFailure noDevice() {
    return {kPlayerNoDevice, QStringLiteral("Es ist kein Wiedergabegerät geöffnet.")};
}

namespace {

bool isUnplayableStream(const GError* error) {
    if (error->domain == GST_STREAM_ERROR) {
        switch (error->code) {
        case GST_STREAM_ERROR_TYPE_NOT_FOUND: // not a media file at all
        case GST_STREAM_ERROR_WRONG_TYPE:
        case GST_STREAM_ERROR_CODEC_NOT_FOUND:
        case GST_STREAM_ERROR_DECODE: // e.g. an MP3 cut short: no valid frames
        case GST_STREAM_ERROR_DEMUX:
        case GST_STREAM_ERROR_FORMAT:
            return true;
        default:
            return false;
        }
    }
    return error->domain == GST_CORE_ERROR && error->code == GST_CORE_ERROR_MISSING_PLUGIN;
}

} // namespace

PlayerFailure describeMediaError(const GError* error, bool fromAudioSink, const QString& path) {
    if (fromAudioSink)
        return noAudioOutput();
    if (!error)
        return {kPlayerFailure, QString()};
    if (error->domain == GST_RESOURCE_ERROR && error->code == GST_RESOURCE_ERROR_NOT_FOUND)
        return fileNotFound(path);
    if (error->domain == GST_RESOURCE_ERROR &&
        (error->code == GST_RESOURCE_ERROR_OPEN_READ || error->code == GST_RESOURCE_ERROR_READ))
        return fileNotReadable(path);
    if (isUnplayableStream(error))
        return notPlayable(path);
    const QString detail = QString::fromUtf8(error->message ? error->message : "").trimmed();
    if (detail.isEmpty())
        return {kPlayerFailure, QString()}; // shown as "Unbekannter Fehler-Code"
    return {kPlayerFailure, QStringLiteral("Fehler bei der Wiedergabe: %1").arg(detail)};
}

} // namespace trelvan
