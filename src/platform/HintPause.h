#pragma once

namespace trelvan {

// Makes every tooltip of the program stay on the screen for `milliseconds`.
void setHintHidePause(int milliseconds);
int hintHidePause();

} // namespace trelvan
