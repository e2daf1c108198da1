#include "testcaller/KeyCommands.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace trelvan {

StepCommand commandForReleasedKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ControlModifier))
        return key == Qt::Key_Space ? StepCommand::Repeat : StepCommand::None;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return StepCommand::Begin;
    case Qt::Key_Space:
        return StepCommand::Next;
    case Qt::Key_F1:
        return StepCommand::RepeatFrom;
    case Qt::Key_F2:
        return StepCommand::Repeat;
    default:
        return StepCommand::None;
    }
}

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : window_(window), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    // X11 repeats a held key as release/press pairs marked auto-repeat.
    if (keyEvent->isAutoRepeat()) {
        keyEvent->accept();
        return true;
    }
    int key = keyEvent->key();
    handler_(key, keyEvent->modifiers());
    if (key != 0)
        return false;
    // Accepted, so the release does not travel on to the parent controls.
    keyEvent->accept();
    return true;
}

} // namespace trelvan
