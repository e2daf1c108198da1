#pragma once

#include "MusikFixture.h"

#include "music/ListOperations.h"
#include "platform/Colours.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <ostream>

// Readable failures: gtest finds these by argument-dependent lookup.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace trelvan::test {

// A desk whose two lists are restored from working files, with real song
// files in the program folder's "songs" folder (the step to the next song
// copies them for real).
class ListFixture : public MusikFixture {
protected:
    // A song file whose bytes are its name, so a copy shows which song it is.
    QString song(const QString& name) {
        folder.write(QStringLiteral("songs/") + name, name.toUtf8());
        return folder.file(QStringLiteral("songs/") + name);
    }
    // A path in the songs folder that does not exist.
    QString missing(const QString& name) const {
        return folder.file(QStringLiteral("songs/") + name);
    }

    // The desk with the lists restored from their working files; the calls
    // of the construction are forgotten.
    TfrmMusik& deskWithLists(const QStringList& background, const QStringList& breakMusic = {}) {
        folder.write(QStringLiteral("hintergrund.ls"), playlistBytes(background));
        folder.write(QStringLiteral("pausen.ls"), playlistBytes(breakMusic));
        writeMusicSection("HintergrundFileName=" + folder.file("hintergrund.ls").toUtf8() +
                          "\r\nPausenFileName=" + folder.file("pausen.ls").toUtf8() + "\r\n");
        TfrmMusik& d = makeDesk();
        listPlayer.calls.clear();
        return d;
    }

    static QByteArray playlistBytes(const QStringList& entries) {
        QByteArray bytes;
        for (const QString& entry : entries)
            bytes += entry.toUtf8() + "\r\n";
        return bytes;
    }

    static QStringList entries(const ListControls& list) { return listEntries(list.list); }
    static int selected(const ListControls& list) { return selectedIndex(list.list); }

    QString temp() const { return folder.file(QStringLiteral("temp.mp3")); }

    static QColor panelColour(const ListControls& list) {
        return list.panel->palette().color(QPalette::Window);
    }

    // The display of both lists: idle, or `playing` shown as playing.
    void expectDisplay(const TfrmMusik& d, const ListControls* playing) const {
        for (const ListControls* list : {&d.backgroundList, &d.breakList}) {
            SCOPED_TRACE(list->workingFileName.toStdString());
            const bool isPlaying = list == playing;
            EXPECT_EQ(list->play->isEnabled(), playing == nullptr);
            EXPECT_EQ(list->stop->isEnabled(), isPlaying);
            EXPECT_EQ(panelColour(*list), isPlaying ? colours::kRed : colours::kBlue);
            EXPECT_EQ(list->progress->isVisibleTo(&d), isPlaying);
            EXPECT_EQ(list->time->isVisibleTo(&d), isPlaying);
        }
        EXPECT_EQ(d.Timer2->isActive(), playing != nullptr);
        EXPECT_EQ(d.ListPlaying, playing != nullptr);
    }
};

} // namespace trelvan::test
