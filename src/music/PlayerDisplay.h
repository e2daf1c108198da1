#pragma once

#include <QtGlobal>

class QLabel;
class QString;

namespace trelvan {

// A player's milliseconds as a progress bar value: QProgressBar counts in int,
// and a track of 24 days would not fit.
int progressValue(qint64 milliseconds);

// Sets a time label's text; its width follows the text.
void setTimeText(QLabel* label, const QString& text);

} // namespace trelvan
