#pragma once

#include <QString>
#include <functional>

typedef struct _GstElement GstElement;

namespace trelvan {

enum class SoundOutcome {
    File,         // the file played (to its end, or until its stream broke off)
    DefaultSound, // the file was missing or unplayable: the built-in beep played
    Silent,       // not even the beep could play (no audio output)
};

// Plays a sound file (WAV, or anything else GStreamer reads) to its end while
// the calling thread waits. The Qt event loop does not run meanwhile: input
// stays queued in the window system and is handled afterwards, in order. A
// missing or unplayable file plays a short built-in two-tone beep instead.
SoundOutcome playSoundSync(const QString& path);

// The same; `beforePlay` is called with the pipeline once it has prerolled,
// right before it starts playing (for measurements).
SoundOutcome playSoundSync(const QString& path, const std::function<void(GstElement*)>& beforePlay);

} // namespace trelvan
