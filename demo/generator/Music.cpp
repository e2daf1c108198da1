#include "Music.h"

#include "Synth.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace trelvan::demo {

namespace {

using Wave = Mix::Wave;

enum class Style { Pop, Waltz, March, Ballad, Galop };

struct Song {
    QString fileName;
    int tonic; // MIDI key of the tonic, around middle C
    bool minor;
    double bpm;
    int beatsPerBar;
    std::vector<int> chords; // scale degrees 0..6, one per bar, repeated
    int bars;
    Style style;
    Wave lead;
    Wave pad;
    std::uint32_t seed;
};

struct Note {
    double beat;
    double length;
    int offset; // semitones from the tonic
};

// Handwritten cues: a melody over a few chords plus timpani.
struct Fanfare {
    QString fileName;
    int tonic;
    double bpm;
    std::vector<Note> melody;
    std::vector<Note> chords; // each entry a major triad on the offset, held
    std::vector<double> timpaniBeats;
};

const std::array<int, 7> majorScale{0, 2, 4, 5, 7, 9, 11};
const std::array<int, 7> minorScale{0, 2, 3, 5, 7, 8, 10};

int degreeToSemitones(int degree, bool minor) {
    const auto& scale = minor ? minorScale : majorScale;
    const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    const int index = degree - octave * 7;
    return octave * 12 + scale[static_cast<std::size_t>(index)];
}

const std::vector<Song>& songs() {
    static const std::vector<Song> list{
        // Cues composed like short songs (brass lead, march or galop feel).
        {"Einritt", 62, false, 126, 4, {0, 3, 4, 0}, 5, Style::March, Wave::Brass, Wave::Organ, 7},
        {"Ehrenrunde",
         65,
         false,
         150,
         2,
         {0, 0, 4, 4, 3, 4, 0, 0},
         16,
         Style::Galop,
         Wave::Brass,
         Wave::Organ,
         11},
        // Background songs.
        {"Sommerwiese",
         60,
         false,
         104,
         4,
         {0, 5, 3, 4},
         12,
         Style::Pop,
         Wave::Triangle,
         Wave::Organ,
         21},
        {"Galopp am Morgen",
         67,
         false,
         132,
         4,
         {0, 4, 5, 3},
         16,
         Style::Pop,
         Wave::Square,
         Wave::Sine,
         33},
        {"Trab in C",
         60,
         false,
         116,
         4,
         {0, 3, 0, 4, 5, 3, 4, 0},
         14,
         Style::March,
         Wave::Organ,
         Wave::Sine,
         45},
        {"Abendrunde",
         57,
         true,
         84,
         4,
         {0, 5, 2, 6},
         10,
         Style::Ballad,
         Wave::Sine,
         Wave::Organ,
         57},
        // Break songs.
        {"Pausenwalzer",
         65,
         false,
         150,
         3,
         {0, 0, 4, 4, 4, 4, 0, 0},
         24,
         Style::Waltz,
         Wave::Triangle,
         Wave::Sine,
         69},
        {"Kaffeepause",
         62,
         true,
         96,
         4,
         {0, 3, 6, 2, 5, 3, 4, 4},
         10,
         Style::Ballad,
         Wave::Square,
         Wave::Organ,
         81},
        {"Heuwagen",
         69,
         false,
         110,
         4,
         {0, 4, 5, 3},
         12,
         Style::Pop,
         Wave::Organ,
         Wave::Triangle,
         93},
    };
    return list;
}

const std::vector<Fanfare>& fanfares() {
    static const std::vector<Fanfare> list{
        {"Eroeffnungsmusik",
         58,
         116,
         {{0, 0.5, 0},  {0.5, 0.25, 0}, {0.75, 0.25, 0}, {1, 1, 4},       {2, 1, 7},
          {3, 1, 12},   {4, 0.5, 11},   {4.5, 0.5, 9},   {5, 1, 7},       {6, 2, 4},
          {8, 0.5, 5},  {8.5, 0.25, 5}, {8.75, 0.25, 5}, {9, 1, 9},       {10, 1, 12},
          {11, 1, 14},  {12, 0.5, 12},  {12.5, 0.5, 11}, {13, 1, 9},      {14, 2, 7},
          {16, 0.5, 7}, {16.5, 0.5, 9}, {17, 0.5, 11},   {17.5, 0.5, 12}, {18, 2, 14},
          {20, 4, 12}},
         {{0, 4, 0}, {4, 4, 7}, {8, 4, 5}, {12, 4, 7}, {16, 4, 7}, {20, 4, 0}},
         {0, 4, 8, 12, 16, 18, 19, 19.5, 20}},
        {"Siegerfanfare",
         60,
         100,
         {{0, 0.33, 7},
          {0.33, 0.33, 7},
          {0.66, 0.34, 7},
          {1, 1.5, 12},
          {2.5, 0.5, 7},
          {3, 0.33, 12},
          {3.33, 0.33, 12},
          {3.66, 0.34, 12},
          {4, 1.5, 16},
          {5.5, 0.5, 12},
          {6, 0.5, 16},
          {6.5, 0.5, 19},
          {7, 3, 24}},
         {{0, 3, 0}, {3, 3, 5}, {6, 1, 7}, {7, 3, 0}},
         {0, 1, 3, 4, 6, 6.5, 7, 7.25, 7.5, 7.75, 8}},
    };
    return list;
}

class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    int below(int n) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
    }

private:
    std::uint32_t state_;
};

double barSeconds(const Song& song) {
    return 60.0 / song.bpm * song.beatsPerBar;
}

double songSeconds(const Song& song) {
    return song.bars * barSeconds(song) + 1.5;
}

double fanfareSeconds(const Fanfare& f) {
    double end = 0;
    for (const auto& n : f.melody) {
        end = std::max(end, n.beat + n.length);
    }
    return end * 60.0 / f.bpm + 2.0;
}

// Rhythms of one bar of melody, in beats, for 4/4, 3/4 and 2/4.
const std::vector<std::vector<double>>& rhythms(int beatsPerBar) {
    static const std::vector<std::vector<double>> four{
        {1, 1, 1, 1}, {1.5, 0.5, 1, 1}, {0.5, 0.5, 1, 2}, {1, 0.5, 0.5, 2}, {2, 1, 1}, {1, 1, 2}};
    static const std::vector<std::vector<double>> three{{1, 1, 1}, {2, 1}, {1.5, 0.5, 1}, {3}};
    static const std::vector<std::vector<double>> two{
        {0.5, 0.5, 0.5, 0.5}, {1, 0.5, 0.5}, {0.5, 0.5, 1}, {2}};
    return beatsPerBar == 4 ? four : beatsPerBar == 3 ? three : two;
}

// Builds a melody bar by bar: phrases of four bars, the first phrase repeated
// later so that the song has a recognisable tune, stepwise motion with chord
// tones on the strong beats.
std::vector<Note> composeMelody(const Song& song) {
    Random random(song.seed);
    const auto& patterns = rhythms(song.beatsPerBar);
    std::vector<std::vector<Note>> phrases;
    for (int p = 0; p < 2; ++p) {
        std::vector<Note> phrase;
        int degree = 4 + random.below(3);
        for (int bar = 0; bar < 4; ++bar) {
            const int chord = song.chords[static_cast<std::size_t>(bar) % song.chords.size()];
            const auto& rhythm =
                patterns[static_cast<std::size_t>(random.below(static_cast<int>(patterns.size())))];
            double beat = bar * song.beatsPerBar;
            for (std::size_t i = 0; i < rhythm.size(); ++i) {
                if (i == 0) {
                    // Strong beat: the nearest chord tone.
                    for (int step : {0, 1, -1, 2, -2, 3, -3}) {
                        const int rel = ((degree + step - chord) % 7 + 7) % 7;
                        if (rel == 0 || rel == 2 || rel == 4) {
                            degree += step;
                            break;
                        }
                    }
                } else {
                    degree += random.below(5) - 2;
                }
                degree = std::clamp(degree, 0, 11);
                phrase.push_back({beat, rhythm[i] * 0.9, degreeToSemitones(degree, song.minor)});
                beat += rhythm[i];
            }
        }
        phrases.push_back(phrase);
    }
    std::vector<Note> melody;
    const int order[] = {0, 0, 1, 0};
    // The first two bars are an introduction without melody; the last bar is
    // the final chord.
    for (int start = 2, i = 0; start + 4 <= song.bars - 1; start += 4, ++i) {
        for (const auto& n : phrases[static_cast<std::size_t>(order[i % 4])]) {
            melody.push_back({n.beat + start * song.beatsPerBar, n.length, n.offset});
        }
    }
    melody.push_back({static_cast<double>((song.bars - 1) * song.beatsPerBar),
                      static_cast<double>(song.beatsPerBar), 12});
    return melody;
}

void renderSong(const Song& song, Mix& mix) {
    const double beatLength = 60.0 / song.bpm;
    const int tonic = song.tonic;
    for (int bar = 0; bar < song.bars; ++bar) {
        const bool last = bar == song.bars - 1;
        const int chord =
            last ? 0 : song.chords[static_cast<std::size_t>(bar) % song.chords.size()];
        const double t0 = bar * barSeconds(song);
        const int root = degreeToSemitones(chord, song.minor);
        const int third = degreeToSemitones(chord + 2, song.minor);
        const int fifth = degreeToSemitones(chord + 4, song.minor);

        // Accompaniment.
        if (song.style == Style::Waltz) {
            mix.note(t0, beatLength * 0.9, tonic - 24 + root, 0.35, -0.1, Wave::Triangle);
            for (int b = 1; b < 3; ++b) {
                for (int key : {root, third, fifth}) {
                    mix.note(t0 + b * beatLength, beatLength * 0.5, tonic + key, 0.08, 0.3,
                             song.pad);
                }
            }
        } else {
            for (int key : {root, third, fifth}) {
                mix.note(t0, barSeconds(song) * 0.95, tonic + key, 0.07, -0.3, song.pad, 0.08, 0.3);
            }
            for (int b = 0; b < song.beatsPerBar; ++b) {
                const bool strong = b % 2 == 0;
                const int key = strong ? root : (song.style == Style::Ballad ? root : fifth);
                if (song.style == Style::Ballad && !strong) {
                    continue;
                }
                mix.note(t0 + b * beatLength, beatLength * 0.8, tonic - 24 + key, 0.32, 0.0,
                         Wave::Triangle);
            }
        }

        // Drums.
        for (int b = 0; b < song.beatsPerBar && !last; ++b) {
            const double t = t0 + b * beatLength;
            switch (song.style) {
            case Style::Pop:
                if (b % 2 == 0) {
                    mix.kick(t, 0.5);
                } else {
                    mix.snare(t, 0.22);
                }
                mix.hat(t, 0.12);
                mix.hat(t + beatLength / 2, 0.07);
                break;
            case Style::March:
                mix.kick(t, 0.4);
                mix.snare(t + beatLength / 2, 0.12);
                if (b % 2 == 1) {
                    mix.snare(t + beatLength * 0.75, 0.1);
                }
                break;
            case Style::Galop:
                mix.kick(t, 0.45);
                mix.snare(t + beatLength / 2, 0.18);
                break;
            case Style::Waltz:
                if (b == 0) {
                    mix.kick(t, 0.3);
                } else {
                    mix.hat(t, 0.08);
                }
                break;
            case Style::Ballad:
                if (b == 0) {
                    mix.kick(t, 0.3);
                }
                mix.hat(t, 0.05);
                break;
            }
        }
        if (last) {
            mix.kick(t0, 0.5);
            mix.timpani(t0, tonic - 24, 0.3);
        }
    }
    for (const auto& n : composeMelody(song)) {
        mix.note(n.beat * beatLength, n.length * beatLength, tonic + n.offset, 0.22, 0.2, song.lead,
                 0.02, 0.12);
    }
}

void renderFanfare(const Fanfare& f, Mix& mix) {
    const double beatLength = 60.0 / f.bpm;
    for (const auto& n : f.melody) {
        mix.note(n.beat * beatLength, n.length * beatLength * 0.92, f.tonic + n.offset, 0.28, 0.15,
                 Wave::Brass, 0.03, 0.15);
        // A second trumpet a third below on the long notes.
        if (n.length >= 1) {
            mix.note(n.beat * beatLength, n.length * beatLength * 0.92, f.tonic + n.offset - 5,
                     0.14, -0.25, Wave::Brass, 0.03, 0.15);
        }
    }
    for (const auto& c : f.chords) {
        for (int key : {0, 4, 7}) {
            mix.note(c.beat * beatLength, c.length * beatLength, f.tonic - 12 + c.offset + key,
                     0.09, -0.35, Wave::Organ, 0.05, 0.4);
        }
        mix.note(c.beat * beatLength, c.length * beatLength, f.tonic - 24 + c.offset, 0.3, 0.0,
                 Wave::Triangle, 0.02, 0.3);
    }
    for (double beat : f.timpaniBeats) {
        mix.timpani(beat * beatLength, f.tonic - 24, 0.35);
    }
}

} // namespace

const QList<MusicPiece>& cuePieces() {
    static const QList<MusicPiece> list = [] {
        const auto& f = fanfares();
        const auto& s = songs();
        return QList<MusicPiece>{{f[0].fileName, fanfareSeconds(f[0])},
                                 {s[0].fileName, songSeconds(s[0])},
                                 {f[1].fileName, fanfareSeconds(f[1])},
                                 {s[1].fileName, songSeconds(s[1])}};
    }();
    return list;
}

const QList<MusicPiece>& songPieces() {
    static const QList<MusicPiece> list = [] {
        QList<MusicPiece> pieces;
        for (std::size_t i = 2; i < songs().size(); ++i) {
            pieces.append({songs()[i].fileName, songSeconds(songs()[i])});
        }
        return pieces;
    }();
    return list;
}

QStringList backgroundSongs() {
    QStringList names;
    for (qsizetype i = 0; i < 4; ++i) {
        names << songPieces()[i].fileName;
    }
    return names;
}

QStringList breakSongs() {
    QStringList names;
    for (qsizetype i = 4; i < songPieces().size(); ++i) {
        names << songPieces()[i].fileName;
    }
    return names;
}

bool renderPiece(const QString& fileName, const QString& wavPath) {
    for (const auto& f : fanfares()) {
        if (f.fileName == fileName) {
            Mix mix(fanfareSeconds(f));
            renderFanfare(f, mix);
            return mix.writeWav(wavPath);
        }
    }
    for (const auto& s : songs()) {
        if (s.fileName == fileName) {
            Mix mix(songSeconds(s));
            renderSong(s, mix);
            return mix.writeWav(wavPath);
        }
    }
    return false;
}

} // namespace trelvan::demo
