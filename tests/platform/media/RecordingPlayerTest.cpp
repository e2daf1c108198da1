#include "support/RecordingPlayer.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

namespace trelvan::test {
namespace {

// The fake keeps the real player's contract where the window tests rely on it.
TEST(RecordingPlayer, LogsCommandsAndFollowsThePlayerContract) {
    RecordingPlayer player;
    int notices = 0;
    QObject::connect(&player, &Player::notify, [&] { ++notices; });
    player.setLength(QStringLiteral("/x/xc1.mp3"), 185432);
    player.failOpen(QStringLiteral("/x/kaputt.mp3"));

    player.setVolume(300); // no device: logged, not applied
    player.setFileName(QStringLiteral("/x/xc1.mp3"));
    player.open();
    player.setVolume(500);
    player.play();
    player.setPosition(1000);
    EXPECT_EQ(player.position(), 1000);
    player.finishPlay();
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(player.position(), player.trackLength());
    EXPECT_EQ(player.trackLength(), 185432);
    EXPECT_EQ(player.volume(), 500);

    player.setFileName(QStringLiteral("/x/kaputt.mp3"));
    EXPECT_THROW(player.open(), EMCIDeviceError);
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.error(), kPlayerNotPlayable);
    EXPECT_EQ(player.errorMessage().toStdString(),
              "Die Datei /x/kaputt.mp3 ist keine abspielbare Audiodatei.");

    player.setFileName(QStringLiteral("/x/xc1.mp3"));
    player.open();
    player.play();
    player.failPlay(kPlayerFailure, QString());
    EXPECT_EQ(notices, 2);
    EXPECT_EQ(player.errorMessage().toStdString(), "Unbekannter Fehler-Code");
    player.stop();
    player.close();
    EXPECT_EQ(player.deviceId(), 0);

    EXPECT_EQ(player.calls,
              QStringList({"setVolume 300", "setFileName /x/xc1.mp3", "open", "setVolume 500",
                           "play", "setFileName /x/kaputt.mp3", "open", "setFileName /x/xc1.mp3",
                           "open", "play", "stop", "close"}));
}

} // namespace
} // namespace trelvan::test
