#pragma once

#include <QColor>

namespace trelvan::colours {

// The Windows default system colours the layouts are designed with.
inline const QColor kActiveCaption{0x99, 0xB4, 0xD1};
inline const QColor kHighlight{0x00, 0x78, 0xD7};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kWindowText{0x00, 0x00, 0x00};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};

} // namespace trelvan::colours
