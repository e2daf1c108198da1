#include "platform/Dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace trelvan {
namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text, const QString& caption, MessageIcon icon,
                 QWidget* parent) override {
        QMessageBox box(toQtIcon(icon), caption, text, QMessageBox::Ok, parent);
        box.exec();
    }

    std::optional<QString> openFile(const FileDialogRequest& request) override {
        const QString path = QFileDialog::getOpenFileName(request.parent, request.title,
                                                          request.initialFolder, request.filter);
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }

    QStringList openFiles(const FileDialogRequest& request) override {
        return QFileDialog::getOpenFileNames(request.parent, request.title, request.initialFolder,
                                             request.filter);
    }

    std::optional<QString> saveFile(const FileDialogRequest& request) override {
        QFileDialog dialog(request.parent, request.title, request.initialFolder, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Replacing an existing list is what the operator asked for: no question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!request.defaultSuffix.isEmpty())
            dialog.setDefaultSuffix(request.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

Dialogs* installed = nullptr;

} // namespace

Dialogs& dialogs() {
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void setDialogs(Dialogs* replacement) {
    installed = replacement;
}

} // namespace trelvan
