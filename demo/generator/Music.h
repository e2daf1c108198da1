#pragma once

#include <QString>
#include <QStringList>

namespace trelvan::demo {

// The demo's music: four short show cues and a handful of songs for the two
// continuous lists. Each is composed in code and written as a WAV file; the
// build script encodes them to MP3.
struct MusicPiece {
    QString fileName; // without extension, becomes <name>.mp3 in "Musik"
    double seconds;   // length of the rendered WAV
};

// The cues in the order of the music desk: opening, entry, winner, lap of honour.
const QList<MusicPiece>& cuePieces();
// Songs; the first ones go to the background list, the last ones to the break list.
const QList<MusicPiece>& songPieces();
QStringList backgroundSongs();
QStringList breakSongs();

// Renders the named piece (a cue or a song) into a WAV file.
bool renderPiece(const QString& fileName, const QString& wavPath);

} // namespace trelvan::demo
