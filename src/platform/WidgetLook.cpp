#include "platform/WidgetLook.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace trelvan {

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void shrinkFontToWidth(QLabel* label, int width) {
    QFont font = label->font();
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(label->text()) > width) {
        font.setPointSize(font.pointSize() - 1);
    }
    label->setFont(font);
}

} // namespace trelvan
