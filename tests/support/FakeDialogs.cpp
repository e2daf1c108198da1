#include "FakeDialogs.h"

namespace trelvan::test {

FakeDialogs::FakeDialogs() {
    setDialogs(this);
}
FakeDialogs::~FakeDialogs() {
    setDialogs(nullptr);
}

void FakeDialogs::message(const QString& text, const QString& caption, MessageIcon icon, QWidget*) {
    messages.push_back({text, caption, icon});
}

std::optional<QString> FakeDialogs::openFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (openAnswers.empty())
        return std::nullopt;
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QStringList FakeDialogs::openFiles(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (openManyAnswers.empty())
        return {};
    auto answer = openManyAnswers.front();
    openManyAnswers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::saveFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (saveAnswers.empty())
        return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

} // namespace trelvan::test
