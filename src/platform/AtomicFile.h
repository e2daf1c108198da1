#pragma once

#include <QByteArray>
#include <QString>

namespace trelvan {

// Replaces the whole content of `path` with `bytes` so that the file on disk is
// always either the old or the new content, even if the program dies halfway:
// the bytes go to a temporary file in the same folder, are synced to disk and
// then renamed over the old file. The old file's permissions are kept; a new
// file gets the usual permissions of the process.
//
// Refused (false, nothing changed) when the existing file or its folder is
// read-only by its permission bits, even for a user such as root whom the
// system would let write anyway, and when the target is a folder. A symbolic
// link is followed, so the file it names is replaced and the link stays.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace trelvan
