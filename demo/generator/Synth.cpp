#include "Synth.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace trelvan::demo {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

double partials(double p, double brightness, int count, int step) {
    double s = 0;
    for (int h = 1; h <= count; h += step) {
        s += std::sin(twoPi * p * h) / h * std::pow(brightness, h - 1);
    }
    return s;
}

// One cycle of each sound, computed once; notes read it with linear
// interpolation. Square and brass are built from a few partials only, so
// that high notes do not alias into a hiss.
class WaveTables {
public:
    static constexpr int size = 2048;

    WaveTables() {
        for (int i = 0; i < size; ++i) {
            const double p = static_cast<double>(i) / size;
            square_[i] = static_cast<float>(0.9 * partials(p, 1.0, 7, 2));
            brassDark_[i] = static_cast<float>(0.7 * partials(p, 0.35, 8, 1));
            brassBright_[i] = static_cast<float>(0.7 * partials(p, 1.0, 8, 1));
            organ_[i] =
                static_cast<float>(0.6 * std::sin(twoPi * p) + 0.3 * std::sin(twoPi * p * 2) +
                                   0.15 * std::sin(twoPi * p * 4));
            sine_[i] = static_cast<float>(std::sin(twoPi * p));
        }
        // The extra last entry repeats the first, for the interpolation.
        for (Table* t : {&sine_, &square_, &brassDark_, &brassBright_, &organ_}) {
            (*t)[size] = (*t)[0];
        }
    }

    double sample(Mix::Wave wave, double phase, double time) const {
        const double p = phase - std::floor(phase);
        switch (wave) {
        case Mix::Wave::Sine:
            return read(sine_, p);
        case Mix::Wave::Triangle:
            return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
        case Mix::Wave::Square:
            return read(square_, p);
        case Mix::Wave::Brass: {
            // The brightness opens up during the attack.
            const double bright = std::min(1.0, time * 6.0);
            return (1.0 - bright) * read(brassDark_, p) + bright * read(brassBright_, p);
        }
        case Mix::Wave::Organ:
            return read(organ_, p);
        }
        return 0;
    }

private:
    using Table = std::array<float, size + 1>;

    static double read(const Table& table, double p) {
        const double x = p * size;
        const auto i = static_cast<std::size_t>(x);
        const double f = x - static_cast<double>(i);
        return table[i] + f * (table[i + 1] - table[i]);
    }

    Table sine_{}, square_{}, brassDark_{}, brassBright_{}, organ_{};
};

const WaveTables& tables() {
    static const WaveTables t;
    return t;
}

} // namespace

double midiToHz(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

Mix::Mix(double seconds)
    : left_(static_cast<std::size_t>(seconds * rate)),
      right_(static_cast<std::size_t>(seconds * rate)) {}

Mix::Pan::Pan(double pan) {
    // Constant-power panning.
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
    left = std::cos(angle);
    right = std::sin(angle);
}

void Mix::add(std::size_t index, double value, const Pan& pan) {
    if (index >= left_.size()) {
        return;
    }
    left_[index] += static_cast<float>(value * pan.left);
    right_[index] += static_cast<float>(value * pan.right);
}

double Mix::noise() {
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    return static_cast<double>(noiseState_) / 2147483648.0 - 1.0;
}

void Mix::note(double start, double length, int midiKey, double gain, double pan, Wave wave,
               double attack, double release) {
    const double hz = midiToHz(midiKey);
    const auto first = static_cast<std::size_t>(start * rate);
    const auto count = static_cast<std::size_t>((length + release) * rate);
    const WaveTables& table = tables();
    const Pan side(pan);
    const double decayPerSample = std::exp(-1.2 / rate);
    double decay = 1.0;
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        double env = t < attack ? t / attack : (decay *= decayPerSample);
        if (t > length) {
            env *= std::max(0.0, 1.0 - (t - length) / release);
        }
        // A slow vibrato on held notes keeps them from sounding like test tones.
        const double vibrato =
            1.0 + 0.004 * table.sample(Wave::Sine, 5.5 * t, t) * std::min(1.0, t * 2.0);
        phase += hz * vibrato / rate;
        add(first + i, gain * env * table.sample(wave, phase, t), side);
    }
}

void Mix::kick(double start, double gain) {
    const auto first = static_cast<std::size_t>(start * rate);
    const Pan side(0.0);
    double phase = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.3 * rate); ++i) {
        const double t = static_cast<double>(i) / rate;
        phase += (45.0 + 90.0 * std::exp(-t * 30.0)) / rate;
        add(first + i, gain * std::exp(-t * 12.0) * std::sin(twoPi * phase), side);
    }
}

void Mix::snare(double start, double gain) {
    const auto first = static_cast<std::size_t>(start * rate);
    const Pan side(0.1);
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.2 * rate); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double body = std::sin(twoPi * 185.0 * t) * std::exp(-t * 25.0);
        add(first + i, gain * (0.6 * noise() * std::exp(-t * 18.0) + 0.4 * body), side);
    }
}

void Mix::hat(double start, double gain) {
    const auto first = static_cast<std::size_t>(start * rate);
    const Pan side(0.35);
    double previous = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.06 * rate); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double n = noise();
        add(first + i, gain * (n - previous) * 0.5 * std::exp(-t * 70.0), side);
        previous = n;
    }
}

void Mix::timpani(double start, int midiKey, double gain) {
    const auto first = static_cast<std::size_t>(start * rate);
    const Pan side(-0.2);
    const double hz = midiToHz(midiKey);
    for (std::size_t i = 0; i < static_cast<std::size_t>(1.2 * rate); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double tone = std::sin(twoPi * hz * t) + 0.5 * std::sin(twoPi * hz * 1.5 * t);
        const double hit = noise() * std::exp(-t * 40.0) * 0.4;
        add(first + i, gain * (tone * std::exp(-t * 3.5) + hit), side);
    }
}

bool Mix::writeWav(const QString& path) const {
    float peak = 1e-6f;
    for (std::size_t i = 0; i < left_.size(); ++i) {
        peak = std::max({peak, std::abs(left_[i]), std::abs(right_[i])});
    }
    const double scale = 0.89 / peak;
    const std::size_t frames = left_.size();
    const auto fade = static_cast<std::size_t>(0.5 * rate);

    QByteArray data;
    data.reserve(static_cast<qsizetype>(frames * 4));
    auto put16 = [&data](int v) {
        data.append(static_cast<char>(v & 0xff));
        data.append(static_cast<char>((v >> 8) & 0xff));
    };
    for (std::size_t i = 0; i < frames; ++i) {
        double env = 1.0;
        if (i < 200) {
            env = static_cast<double>(i) / 200.0;
        } else if (frames - i < fade) {
            env = static_cast<double>(frames - i) / static_cast<double>(fade);
        }
        put16(static_cast<int>(std::lround(std::clamp(left_[i] * scale * env, -1.0, 1.0) * 32767)));
        put16(
            static_cast<int>(std::lround(std::clamp(right_[i] * scale * env, -1.0, 1.0) * 32767)));
    }

    QByteArray header;
    auto put32 = [&header](std::uint32_t v) {
        for (int b = 0; b < 4; ++b) {
            header.append(static_cast<char>((v >> (8 * b)) & 0xff));
        }
    };
    auto put16h = [&header](std::uint16_t v) {
        header.append(static_cast<char>(v & 0xff));
        header.append(static_cast<char>(v >> 8));
    };
    header.append("RIFF");
    put32(static_cast<std::uint32_t>(36 + data.size()));
    header.append("WAVEfmt ");
    put32(16);
    put16h(1); // PCM
    put16h(2); // stereo
    put32(rate);
    put32(rate * 4);
    put16h(4);
    put16h(16);
    header.append("data");
    put32(static_cast<std::uint32_t>(data.size()));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    return file.write(header) == header.size() && file.write(data) == data.size();
}

} // namespace trelvan::demo
