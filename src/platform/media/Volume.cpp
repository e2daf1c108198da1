#include "platform/media/Volume.h"

#include <algorithm>

namespace trelvan {

double gainForVolume(int volume) {
    const double share = std::clamp(volume, 0, 1000) / 1000.0;
    return share * share * share;
}

} // namespace trelvan
