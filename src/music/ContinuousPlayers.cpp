// The continuous-sound player: the background or the break list plays on
// MediaPlayer2 without end. Play, double-click, Stop, the step to the next
// song at the end of one, the error report and the display of the list that
// plays.
#include "music/ListOperations.h"
#include "music/ListRules.h"
#include "music/Musik.h"
#include "music/PlayerDisplay.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/WidgetLook.h"
#include "platform/media/Player.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace trelvan {

namespace {

const QString kErrorCaption = QStringLiteral("Fehler");
const QString kNothingPlayable = QStringLiteral(
    "Keiner der Titel der Liste kann abgespielt werden. Die Musik wurde angehalten.");
const QString kListEmpty =
    QStringLiteral("Die Liste enthält keine Titel mehr. Die Musik wurde angehalten.");

// An entry is played only when it names an existing file (not a folder).
bool isSongFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// The continuous player's operations on the desk. The desk keeps the state
// (ActiveList, NextSongIndex, ListPlaying); this only acts on it.
class ListPlayback {
public:
    explicit ListPlayback(TfrmMusik& desk) : d(desk) {}

    // Play button: the list's selected entry from its own file.
    void start(ListControls& list) {
        const int row = selectedIndex(list.list);
        if (row < 0)
            return;
        d.NextSongIndex = row;
        const QString path = list.list->item(row)->text();
        d.MediaPlayer2.setFileName(path);
        d.NextSongIndex = row + 1;
        if (!isSongFile(path))
            return;
        openAndPlay();

        d.Timer2Timer();
        d.TrackBarPlayer2Change();
        d.btnMediaPlayer2Start->setEnabled(false);
        d.btnMediaPlayer2PausenMusikStart->setEnabled(false);
        list.stop->setEnabled(true);
        selectEntry(list.list, d.NextSongIndex - 1);
        d.ActiveList = &list;
        d.Timer2->start();
        showProgress(list);
        d.ListPlaying = true;
        setBackground(list.panel, colours::kRed);
        list.time->show();
        other(list).time->hide();
    }

    // Double-click: whatever plays gives way to the entry clicked in `list`.
    void switchTo(ListControls& list) {
        // An entry without a file would only silence the song that plays:
        // then nothing happens, as with the Play button.
        if (!selectedEntryIsSong(list))
            return;
        if (d.ListPlaying)
            d.MediaPlayer2.stop();
        showButtonsIdle();
        d.ListPlaying = false;
        // ListPlaying is false here, so a notice handled now cannot step on.
        QCoreApplication::processEvents();

        const int row = selectedIndex(list.list);
        if (row < 0 || !selectedEntryIsSong(list)) {
            showIdle(); // gone while events were handled; nothing plays now
            return;
        }
        d.NextSongIndex = row;
        d.MediaPlayer2.setFileName(list.list->item(row)->text());
        d.NextSongIndex = row + 1;
        openAndPlay();

        d.Timer2Timer();
        d.ListPlaying = true;
        d.TrackBarPlayer2Change();
        ListControls& second = other(list);
        d.btnMediaPlayer2Start->setEnabled(false);
        d.btnMediaPlayer2PausenMusikStart->setEnabled(false);
        list.stop->setEnabled(true);
        second.stop->setEnabled(false);
        selectEntry(list.list, d.NextSongIndex - 1);
        d.ActiveList = &list;
        d.Timer2->start();
        showProgress(list);
        second.progress->hide();
        setBackground(list.panel, colours::kRed);
        setBackground(second.panel, colours::kBlue);
        list.time->show();
        second.time->hide();
    }

    // Stop: the device stays open, so a later Play starts the song again.
    void stop() {
        if (d.MediaPlayer2.isOpen())
            d.MediaPlayer2.stop();
        showIdle();
    }

    void notice() {
        const int code = d.MediaPlayer2.error();
        const QString text = d.MediaPlayer2.errorMessage();
        if (code > 0) {
            dialogs().message(text, kErrorCaption, MessageIcon::None, &d);
            if (!d.ActiveList)
                return;
            ListControls& list = *d.ActiveList;
            stop();
            QCoreApplication::processEvents();
            start(list); // again at the selected entry: the song that failed
            return;
        }
        // A song that played to its end reads position == track length; a
        // stream whose length was underestimated may read a little beyond.
        if (d.ListPlaying && d.ActiveList && d.MediaPlayer2.isOpen() &&
            d.MediaPlayer2.position() >= d.MediaPlayer2.trackLength())
            stepOn(*d.ActiveList);
    }

    void refresh() {
        // Between songs, and after the list has been stopped for good, there
        // is no device to ask.
        if (!d.MediaPlayer2.isOpen())
            return;
        const qint64 position = d.MediaPlayer2.position();
        const qint64 length = d.MediaPlayer2.length();
        const qint64 trackLength = d.MediaPlayer2.trackLength();
        for (QProgressBar* bar : {d.ProgressBar1, d.ProgressBar2}) {
            // The length of a stream without a header becomes exact only as it
            // plays; the bar follows it so that it never sticks below the end.
            bar->setRange(0, progressValue(trackLength));
            bar->setValue(progressValue(position));
        }
        const QString text = remainingTimeText(length, position);
        setTimeText(d.Label8, text);
        setTimeText(d.Label10, text);
    }

private:
    ListControls& other(ListControls& list) {
        return &list == &d.backgroundList ? d.breakList : d.backgroundList;
    }

    bool selectedEntryIsSong(const ListControls& list) const {
        const int row = selectedIndex(list.list);
        return row >= 0 && isSongFile(list.list->item(row)->text());
    }

    // A file that cannot be opened or played leaves the desk idle, and the
    // error goes on to the error box.
    void openAndPlay() {
        try {
            d.MediaPlayer2.open();
            d.MediaPlayer2.play();
        } catch (const Exception&) {
            d.MediaPlayer2.close();
            showIdle();
            throw;
        }
    }

    // The song after the one that ended, from the working copy. Entries whose
    // file is missing or does not play are passed over, once round the list
    // at most; when none plays, the list stops and says so.
    void stepOn(ListControls& list) {
        const int count = list.list->count();
        if (count == 0) {
            stopForGood(kListEmpty);
            return;
        }
        if (d.NextSongIndex < 0 || d.NextSongIndex >= count)
            d.NextSongIndex = 0;
        const int first = d.NextSongIndex;
        if (d.MediaPlayer2.isOpen())
            d.MediaPlayer2.close();
        d.ListPlaying = false;
        for (int attempt = 0; attempt < count; ++attempt) {
            if (playFollowing(list, (first + attempt) % count))
                return;
        }
        stopForGood(kNothingPlayable);
    }

    bool playFollowing(ListControls& list, int row) {
        if (!makeListWorkingCopy(list.list->item(row)->text()))
            return false;
        d.MediaPlayer2.setFileName(listWorkingCopy());
        selectEntry(list.list, row);
        d.NextSongIndex = row + 1;
        try {
            d.MediaPlayer2.open();
            d.MediaPlayer2.play();
        } catch (const Exception&) {
            d.MediaPlayer2.close();
            return false;
        }
        d.TrackBarPlayer2Change();
        const int maximum = progressValue(d.MediaPlayer2.trackLength());
        d.ProgressBar1->setMaximum(maximum);
        d.ProgressBar2->setMaximum(maximum);
        d.ListPlaying = true;
        return true;
    }

    // The music has ended without the operator's Stop: the desk shows it and
    // tells why.
    void stopForGood(const QString& reason) {
        d.MediaPlayer2.close();
        showIdle();
        dialogs().message(reason, kErrorCaption, MessageIcon::None, &d);
    }

    void showProgress(ListControls& list) {
        list.progress->setRange(0, progressValue(d.MediaPlayer2.trackLength()));
        list.progress->show();
    }

    void showButtonsIdle() {
        for (ListControls* list : {&d.backgroundList, &d.breakList}) {
            list->play->setEnabled(true);
            list->stop->setEnabled(false);
        }
    }

    void showIdle() {
        showButtonsIdle();
        d.ListPlaying = false;
        d.Timer2->stop();
        for (ListControls* list : {&d.backgroundList, &d.breakList}) {
            list->progress->hide();
            list->progress->setValue(0);
            setBackground(list->panel, colours::kBlue);
            list->time->hide();
        }
    }

    TfrmMusik& d;
};

} // namespace

void TfrmMusik::btnMediaPlayer2StartClick() {
    ListPlayback(*this).start(backgroundList);
}
void TfrmMusik::btnMediaPlayer2PausenMusikStartClick() {
    ListPlayback(*this).start(breakList);
}
void TfrmMusik::btnMediaplayer2StopClick() {
    ListPlayback(*this).stop();
}
void TfrmMusik::ListBox1DblClick() {
    ListPlayback(*this).switchTo(backgroundList);
}
void TfrmMusik::ListBox2DblClick() {
    ListPlayback(*this).switchTo(breakList);
}
void TfrmMusik::MediaPlayer2Notify() {
    ListPlayback(*this).notice();
}
void TfrmMusik::Timer2Timer() {
    ListPlayback(*this).refresh();
}

} // namespace trelvan
