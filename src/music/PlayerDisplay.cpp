#include "music/PlayerDisplay.h"

#include <QLabel>
#include <QString>
#include <algorithm>
#include <limits>

namespace trelvan {

int progressValue(qint64 milliseconds) {
    return static_cast<int>(std::clamp<qint64>(milliseconds, 0, std::numeric_limits<int>::max()));
}

void setTimeText(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(label->fontMetrics().horizontalAdvance(text), label->height());
}

} // namespace trelvan
