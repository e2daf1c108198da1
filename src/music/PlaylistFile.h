#pragma once

#include <QString>
#include <QStringList>

namespace trelvan {

// The playlist text format of the working files ("hintergrund.ls",
// "pausen.ls") and of the operator's ".lst" files: one entry per line, the
// line holding exactly the entry's text, UTF-8 without byte-order mark.

// The file's lines: a line ends at CR LF, a lone CR or a lone LF; a last line
// without line end counts, a line end at the very end adds no empty entry;
// empty lines between are entries; nothing is trimmed. Throws EFOpenError with
// the path when the file cannot be opened (a folder of that name included).
// A file that is not valid UTF-8 is read as Windows-1252.
QStringList readPlaylist(const QString& path);

// Replaces the file by the entries, every line ending in CR LF, the last one
// included; no entries give an empty file. Written atomically: on failure
// EFCreateError with the path is thrown and an old file stays as it was.
void writePlaylist(const QString& path, const QStringList& entries);

} // namespace trelvan
