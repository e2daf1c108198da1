#pragma once

#include <QRect>

class QWidget;

namespace trelvan {

// v × numerator / denominator to the nearest whole number, halves away from zero.
int scaleRounded(int value, int numerator, int denominator);

// Scales a rectangle's edges by screenHeight / 800; width and height are the
// differences of the scaled edges, so controls that touched still touch.
QRect scaleRectByScreen(const QRect& design, int screenHeight);

int scalePointSizeByScreen(int pointSize, int screenHeight);

// Scales the root's font and the geometry and own font of each of its direct
// child controls by the screen height against 800 pixels.
void scaleContentsByScreen(QWidget* root, int screenHeight);

} // namespace trelvan
