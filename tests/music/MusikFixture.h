#pragma once

#include "music/Musik.h"
#include "support/FakeDialogs.h"
#include "support/RecordingPlayer.h"
#include "support/TempProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace trelvan::test {

// A fresh program folder, scripted dialogs and two recording players; the
// desk is made by the test once its settings file and working files are in
// place.
class MusikFixture : public ::testing::Test {
protected:
    TempProgramFolder folder;
    FakeDialogs dialogs;
    RecordingPlayer cuePlayer;
    RecordingPlayer listPlayer;
    std::unique_ptr<TfrmMusik> desk;

    // Writes the settings file with the given lines of section "Musik".
    void writeMusicSection(const QByteArray& lines) const {
        folder.write(QStringLiteral("trelvan-control.INI"), "[Musik]\r\n" + lines);
    }

    TfrmMusik& makeDesk() {
        desk.reset();
        desk = std::make_unique<TfrmMusik>(cuePlayer, listPlayer);
        return *desk;
    }

    // The error texts shown so far, in order.
    QStringList errorTexts() const {
        QStringList texts;
        for (const auto& message : dialogs.messages)
            texts << message.text;
        return texts;
    }
};

} // namespace trelvan::test
