#include "platform/FileCopy.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace trelvan {
namespace {

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

bool copyReplacing(const QString& source, const QString& target) {
    removeFile(target);
    if (source.isEmpty())
        return false;
    std::error_code error;
    const auto from = toPath(source);
    if (!std::filesystem::is_regular_file(from, error))
        return false;
    return std::filesystem::copy_file(from, toPath(target),
                                      std::filesystem::copy_options::overwrite_existing, error) &&
           !error;
}

void removeFile(const QString& path) {
    std::error_code error;
    std::filesystem::remove(toPath(path), error);
}

} // namespace trelvan
