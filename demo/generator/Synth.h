#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace trelvan::demo {

// A tiny stereo synthesizer: enough instruments to make the demo's cues and
// songs sound like music (melody, chords, bass, drums) without any sample
// material. Everything is deterministic, so two builds give the same files.
class Mix {
public:
    static constexpr int rate = 44100;

    explicit Mix(double seconds);

    enum class Wave { Sine, Triangle, Square, Brass, Organ };

    // One note; pan -1 (left) .. +1 (right).
    void note(double start, double length, int midiKey, double gain, double pan, Wave wave,
              double attack = 0.01, double release = 0.08);
    void kick(double start, double gain);
    void snare(double start, double gain);
    void hat(double start, double gain);
    void timpani(double start, int midiKey, double gain);

    double seconds() const { return static_cast<double>(left_.size()) / rate; }

    // Normalises to just below full scale, fades in and out, and writes a
    // 16-bit stereo PCM WAV file.
    bool writeWav(const QString& path) const;

private:
    struct Pan {
        explicit Pan(double pan);
        double left;
        double right;
    };
    void add(std::size_t index, double value, const Pan& pan);
    double noise();

    std::vector<float> left_;
    std::vector<float> right_;
    std::uint32_t noiseState_ = 0x2545F491u;
};

double midiToHz(int key);

} // namespace trelvan::demo
