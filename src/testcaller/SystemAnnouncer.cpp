#include "platform/media/SoundPlayer.h"
#include "testcaller/Announcer.h"

namespace trelvan {
namespace {

class SystemAnnouncer final : public Announcer {
public:
    void playToEnd(const QString& path) override { playSoundSync(path); }
};

} // namespace

Announcer& systemAnnouncer() {
    static SystemAnnouncer announcer;
    return announcer;
}

} // namespace trelvan
