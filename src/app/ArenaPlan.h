#pragma once

#include <QImage>

namespace trelvan {

// The plan of the dressage arena shown under the movement pictures: 350 × 650
// pixels, black outline and marker letters on white, long sides upright.
QImage drawArenaPlan();

// The program's icon, 32 × 32.
QImage drawProgramIcon();

} // namespace trelvan
