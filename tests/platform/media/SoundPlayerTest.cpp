#include "MediaFiles.h"

#include "platform/media/SoundPlayer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace trelvan::test {
namespace {

struct SoundCase {
    const char* name;
    QString MediaFiles::*file;
    SoundOutcome outcome;
    qint64 minimumMs; // the file's duration, or the built-in beep's 0.3 s
};

class PlaySoundSync : public ::testing::TestWithParam<SoundCase> {};

// The call returns only when the sound has ended, and the Qt event loop does
// not run meanwhile: input waits until the announcement is over.
TEST_P(PlaySoundSync, BlocksForTheSoundWithoutRunningTheEventLoop) {
    const SoundCase& row = GetParam();
    bool eventDelivered = false;
    QTimer::singleShot(0, [&] { eventDelivered = true; });

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(playSoundSync(MediaFiles::get().*row.file), row.outcome);
    EXPECT_GE(elapsed.elapsed(), row.minimumMs - 20);
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_FALSE(eventDelivered);

    EXPECT_TRUE(waitUntil([&] { return eventDelivered; }));
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlaySoundSync,
    ::testing::Values(SoundCase{"Wav", &MediaFiles::longWav, SoundOutcome::File, 1500},
                      SoundCase{"Missing", &MediaFiles::missing, SoundOutcome::DefaultSound, 300},
                      SoundCase{"NotASound", &MediaFiles::textMp3, SoundOutcome::DefaultSound,
                                300}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlaySoundSyncWithoutOutput, ReturnsSilentlyAtOnce) {
    const ScopedEnvironment sink("TRELVAN_AUDIO_SINK", "nosuchsinkelement");
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(playSoundSync(MediaFiles::get().wav), SoundOutcome::Silent);
    EXPECT_LT(elapsed.elapsed(), 1000);
}

} // namespace
} // namespace trelvan::test
