#pragma once

#include <QColor>

class QLabel;
class QWidget;

namespace trelvan {

// Fills the control's background with a colour of its own.
void setBackground(QWidget* widget, const QColor& colour);

// The colour of the control's text (labels, buttons, edits).
void setTextColour(QWidget* widget, const QColor& colour);

// Makes a label's font smaller, a point at a time, until its text fits into
// `width`. The designs were drawn with narrower fonts than Linux substitutes
// for them, and a caption cut off in the middle helps nobody.
void shrinkFontToWidth(QLabel* label, int width);

} // namespace trelvan
