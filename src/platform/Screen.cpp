#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace trelvan {
namespace {
int overrideHeight = 0;
}

int screenHeight() {
    if (overrideHeight > 0)
        return overrideHeight;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 800;
}

void setScreenHeightOverride(int height) {
    overrideHeight = height;
}

} // namespace trelvan
