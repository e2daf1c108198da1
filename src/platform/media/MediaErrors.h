#pragma once

#include <glib.h>

#include <QString>

namespace trelvan {

struct PlayerFailure {
    int code = 0; // a PlayerErrorCode
    QString text; // German, for the operator
};

// The German texts of the player's failures; %1 is the file's path.
PlayerFailure fileNotFound(const QString& path);
PlayerFailure fileNotReadable(const QString& path);
PlayerFailure notPlayable(const QString& path);
PlayerFailure noAudioOutput();
PlayerFailure openTimeout(const QString& path);
PlayerFailure noDevice();

// Maps an error of the media system to the operator's text. `fromAudioSink`:
// the error came from the audio output (or one of its children), which means
// the machine cannot play sound, whatever the error's domain says.
PlayerFailure describeMediaError(const GError* error, bool fromAudioSink, const QString& path);

} // namespace trelvan
