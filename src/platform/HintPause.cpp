#include "platform/HintPause.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace trelvan {
namespace {

// Qt picks a tooltip's display time from its length; the program wants one
// fixed time for all, so tooltips are shown here with that time.
class HintFilter final : public QObject {
public:
    int pause = 2500;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->toolTip().isEmpty())
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), pause);
        return true;
    }
};

HintFilter* filter() {
    static HintFilter* instance = [] {
        auto* created = new HintFilter;
        created->setParent(qApp);
        qApp->installEventFilter(created);
        return created;
    }();
    return instance;
}

} // namespace

void setHintHidePause(int milliseconds) {
    filter()->pause = milliseconds;
}

int hintHidePause() {
    return filter()->pause;
}

} // namespace trelvan
