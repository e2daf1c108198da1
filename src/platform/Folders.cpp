#include "platform/Folders.h"

#include <filesystem>
#include <system_error>

namespace trelvan {

std::optional<QStringList> listSubfolders(const QString& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator entries(fs::path(folder.toStdString()), error);
    if (error)
        return std::nullopt;
    QStringList names;
    for (const fs::directory_entry& entry : entries) {
        std::error_code typeError;
        if (!entry.is_directory(typeError))
            continue;
        const QString name = QString::fromStdString(entry.path().filename().string());
        // Hidden folders, by the Linux convention of a leading ".".
        if (!name.startsWith(QLatin1Char('.')))
            names.append(name);
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace trelvan
