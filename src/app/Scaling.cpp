#include "app/Scaling.h"

#include <QWidget>
#include <cstdlib>

namespace trelvan {
namespace {
constexpr int kDesignHeight = 800;
}

int scaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long magnitude = (std::llabs(product) * 2 + denominator) / (2LL * denominator);
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

QRect scaleRectByScreen(const QRect& design, int screenHeight) {
    const int left = scaleRounded(design.x(), screenHeight, kDesignHeight);
    const int top = scaleRounded(design.y(), screenHeight, kDesignHeight);
    const int right = scaleRounded(design.x() + design.width(), screenHeight, kDesignHeight);
    const int bottom = scaleRounded(design.y() + design.height(), screenHeight, kDesignHeight);
    return QRect(left, top, right - left, bottom - top);
}

int scalePointSizeByScreen(int pointSize, int screenHeight) {
    return scaleRounded(pointSize, screenHeight, kDesignHeight);
}

void scaleContentsByScreen(QWidget* root, int screenHeight) {
    QFont rootFont = root->font();
    rootFont.setPointSize(scalePointSizeByScreen(rootFont.pointSize(), screenHeight));
    root->setFont(rootFont);
    const auto children = root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        child->setGeometry(scaleRectByScreen(child->geometry(), screenHeight));
        // Only fonts the control sets itself; inherited ones follow the root.
        if (child->testAttribute(Qt::WA_SetFont) && child->font().pointSize() > 0) {
            QFont font = child->font();
            font.setPointSize(scalePointSizeByScreen(font.pointSize(), screenHeight));
            child->setFont(font);
        }
    }
}

} // namespace trelvan
