#pragma once

namespace trelvan {

// Height in pixels of the primary screen, which the main window's layout is
// scaled by. Tests set another height.
int screenHeight();
void setScreenHeightOverride(int height); // 0 = the real screen

} // namespace trelvan
