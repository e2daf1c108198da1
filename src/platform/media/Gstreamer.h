#pragma once

#include <gst/gst.h>

#include <QString>

namespace trelvan {

// Initialises GStreamer once per process; cheap to call again.
void ensureGstreamer();

// The gst-launch description of the audio output: TRELVAN_AUDIO_SINK when set
// (tests and benchmarks use "fakesink sync=true"), else "autoaudiosink".
QString audioSinkDescription();

// A new, floating audio output element built from audioSinkDescription(), or
// nullptr when the description cannot be built.
GstElement* makeAudioSink();

// The playbin flag set for sound only: audio plus software volume. Leaving out
// video and subtitles means no window ever opens, not even for cover art.
constexpr guint kAudioOnlyPlayFlags = 0x02 | 0x10;

} // namespace trelvan
