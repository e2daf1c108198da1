#pragma once

#include <QString>

namespace trelvan {

// Plays a movement's announcement to its end before returning.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void playToEnd(const QString& path) = 0;
};

// The real one: the sound output, blocking the window on purpose.
Announcer& systemAnnouncer();

} // namespace trelvan
