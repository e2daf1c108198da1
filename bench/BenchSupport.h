#pragma once

// Small pieces several benchmarks share.

#include "platform/Dialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace trelvan::bench {

// Answers every box at once, so a measurement never waits for a person.
class QuietDialogs final : public Dialogs {
public:
    void message(const QString&, const QString&, MessageIcon, QWidget*) override {}
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    QStringList openFiles(const FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

// `count` realistic song paths, distinct, with an umlaut in each.
QStringList songPaths(const QString& prefix, int count);

// The bytes of a file (empty when it cannot be read).
QByteArray readBytes(const QString& path);

} // namespace trelvan::bench
