#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace trelvan::test {

// Scripted dialogs: answers queued by the test, every question recorded.
// Installs itself for its lifetime.
class FakeDialogs final : public Dialogs {
public:
    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
    };

    FakeDialogs();
    ~FakeDialogs() override;
    FakeDialogs(const FakeDialogs&) = delete;
    FakeDialogs& operator=(const FakeDialogs&) = delete;

    // Answers for the next file dialogs, in order; nullopt / empty = cancel.
    void answerOpenFile(std::optional<QString> path) { openAnswers.push_back(std::move(path)); }
    void answerOpenFiles(QStringList paths) { openManyAnswers.push_back(std::move(paths)); }
    void answerSaveFile(std::optional<QString> path) { saveAnswers.push_back(std::move(path)); }

    std::vector<Message> messages;
    std::vector<FileDialogRequest> fileRequests;

    void message(const QString& text, const QString& caption, MessageIcon icon,
                 QWidget* parent) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

private:
    std::deque<std::optional<QString>> openAnswers;
    std::deque<QStringList> openManyAnswers;
    std::deque<std::optional<QString>> saveAnswers;
};

} // namespace trelvan::test
