#pragma once

namespace trelvan {

// The one place where the volume scale meets the audio: 0..1000 (clamped) to a
// linear gain 0.0..1.0 along a cubic curve, so that equal steps of the slider
// sound like equal steps of loudness.
double gainForVolume(int volume);

} // namespace trelvan
