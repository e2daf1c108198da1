#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace trelvan {

// The names of the subfolders of `folder`, hidden ones left out, sorted by
// name without regard to case (the order operators know from Windows).
// Nothing when the folder cannot be listed.
std::optional<QStringList> listSubfolders(const QString& folder);

} // namespace trelvan
