#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace trelvan {

// What an open or save dialog is asked for. `filter` uses Qt's notation,
// e.g. "musik (*.mp3)".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString initialFolder;
    QString defaultSuffix; // added to a typed name without extension (save only)
    QWidget* parent = nullptr;
};

enum class MessageIcon { None, Information, Error };

// Every modal question the program asks goes through this interface, so that
// tests can answer it with a script instead of blocking on a real dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box with one OK button.
    virtual void message(const QString& text, const QString& caption, MessageIcon icon,
                         QWidget* parent) = 0;
    // The chosen file's full path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    // Several files at once; an empty list means cancelled.
    virtual QStringList openFiles(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

// The dialogs in use: the Qt ones unless a test has installed others.
Dialogs& dialogs();
// Installs `replacement` (not owned); nullptr goes back to the Qt dialogs.
void setDialogs(Dialogs* replacement);

} // namespace trelvan
