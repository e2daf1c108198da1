#pragma once

#include <QString>

namespace trelvan {

// Replaces `target` by a copy of `source`. The old target is removed first, so
// a failed copy never leaves an older file of that name to be played instead.
// False when the source is empty, missing or not a file, or the copy fails.
bool copyReplacing(const QString& source, const QString& target);

// Deletes a file; a missing file is no error.
void removeFile(const QString& path);

} // namespace trelvan
