#pragma once

#include <QObject>
#include <Qt>
#include <functional>

class QWidget;

namespace trelvan {

enum class StepCommand { None, Begin, Next, Repeat, RepeatFrom };

// The command of a released key: with Ctrl only Space counts (repeat);
// otherwise Enter begins, Space steps on, F1 repeats from the typed number and
// F2 repeats. Shift and Alt are not looked at.
StepCommand commandForReleasedKey(int key, Qt::KeyboardModifiers modifiers);

// Shows every key release in a window to the window's key handler before the
// focused control sees it, and swallows the release when the handler set the
// key to 0. Auto-repeated releases of a held key are swallowed unseen, so a
// held key gives one command, at its real release.
class KeyPreview : public QObject {
public:
    using Handler = std::function<void(int& key, Qt::KeyboardModifiers modifiers)>;

    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Handler handler_;
};

} // namespace trelvan
