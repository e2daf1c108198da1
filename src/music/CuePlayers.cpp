// The four show cues on the cue player: choosing a cue's file, playing it
// from its working copy, stopping, restarting and the display of the cue that
// plays.
#include "music/CuePlayers.h"
#include "music/PlayerDisplay.h"
#include "platform/FileCopy.h"
#include "platform/WidgetLook.h"

#include "music/ListRules.h"
#include "music/Musik.h"
#include "platform/Colours.h"
#include "platform/ProgramFolder.h"
#include "platform/media/Player.h"

#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace trelvan {

QString cueWorkingCopy(int cueIndex) {
    return programFolder() + QStringLiteral("xc%1.mp3").arg(cueIndex + 1);
}

bool makeCueWorkingCopy(const QString& source, int cueIndex) {
    return copyReplacing(source, cueWorkingCopy(cueIndex));
}

void deleteCueWorkingCopies() {
    for (int i = 0; i < kCueCount; ++i)
        removeFile(cueWorkingCopy(i));
}

// --- the named handlers, one per cue ---------------------------------------

void TfrmMusik::btnAuswahlEroeffnungClick() {
    chooseCue(cues[0]);
}
void TfrmMusik::btnAuswahlEinrittClick() {
    chooseCue(cues[1]);
}
void TfrmMusik::btnAuswahlSiegerClick() {
    chooseCue(cues[2]);
}
void TfrmMusik::btnAuswahlEhrenrundeClick() {
    chooseCue(cues[3]);
}

void TfrmMusik::btnPlayEroeffnungClick() {
    playCue(cues[0]);
}
void TfrmMusik::btnPlayEinrittClick() {
    playCue(cues[1]);
}
void TfrmMusik::btnPlaySiegerClick() {
    playCue(cues[2]);
}
void TfrmMusik::btnPlayEhrenrundeClick() {
    playCue(cues[3]);
}

void TfrmMusik::btnStopEroeffnungClick() {
    stopCues();
}

void TfrmMusik::edtEroeffnungDblClick() {
    restartCue(cues[0]);
}
void TfrmMusik::edtEinrittDblClick() {
    restartCue(cues[1]);
}
void TfrmMusik::edtSieferfanfareDblClick() {
    restartCue(cues[2]);
}
void TfrmMusik::edtEhrenrundeDblClick() {
    restartCue(cues[3]);
}

// --- the shared implementation --------------------------------------------

void TfrmMusik::chooseCue(CueControls& cue) {
    const std::optional<QString> chosen = dialogs().openFile(*cue.dialog);
    if (!chosen)
        return;
    // A cue that plays goes on with its copy; the new file plays from the next Play.
    CuePath[cue.index] = *chosen;
    cue.edit->setText(fileNamePart(*chosen));
    SaveMusicSettings();
}

void TfrmMusik::playCue(CueControls& cue) {
    const bool copied = makeCueWorkingCopy(CuePath[cue.index], cue.index);
    MediaPlayer1.setFileName(cueWorkingCopy(cue.index));
    if (!copied)
        return; // no file chosen, or it is gone: nothing plays, nothing is said
    const quint64 session = ++cueSession_;

    MediaPlayer1.open(); // throws with the media system's text; the display stays idle
    MediaPlayer1.play();
    TrackBarPlayer1Change(); // a newly opened medium starts at full volume
    Timer1Timer();
    QCoreApplication::processEvents();
    // A very short cue may have ended, or another one started, while events
    // went through; then this cue must not be shown as playing.
    if (session != cueSession_ || !MediaPlayer1.isOpen())
        return;

    for (CueControls& each : cues)
        each.play->setEnabled(false);
    cue.stop->setEnabled(true);
    cue.progress->show();
    cue.progress->setMaximum(progressValue(MediaPlayer1.trackLength()));
    cue.progress->setValue(progressValue(MediaPlayer1.position()));
    Timer1->start();
    showCuePlaying(cue);
}

void TfrmMusik::stopCues() {
    ++cueSession_;
    if (MediaPlayer1.isOpen())
        MediaPlayer1.stop();
    MediaPlayer1.close();
    showCuesIdle();
    deleteCueWorkingCopies();
}

void TfrmMusik::restartCue(CueControls& cue) {
    stopCues();
    // A notice of the play just cut off is handled here, before the new play:
    // handled after it, its reset would silence the new cue.
    QCoreApplication::processEvents();
    playCue(cue);
}

void TfrmMusik::MediaPlayer1Notify() {
    ++cueSession_;
    showCuesIdle();
    MediaPlayer1.close();
    QCoreApplication::processEvents();
    deleteCueWorkingCopies();
    QCoreApplication::processEvents();
}

void TfrmMusik::Timer1Timer() {
    // The media layer may only estimate the length of a stream without a
    // length header when it opens it, and learn it while playing.
    if (playingCue_ && MediaPlayer1.trackLength() > 0)
        playingCue_->progress->setMaximum(progressValue(MediaPlayer1.trackLength()));
    const qint64 position = MediaPlayer1.position();
    for (CueControls& cue : cues)
        cue.progress->setValue(progressValue(position));
    const QString text = remainingTimeText(MediaPlayer1.length(), position);
    for (CueControls& cue : cues)
        setTimeText(cue.time, text);
}

void TfrmMusik::showCuesIdle() {
    playingCue_ = nullptr;
    Timer1->stop();
    for (CueControls& cue : cues) {
        cue.play->setEnabled(true);
        cue.stop->setEnabled(false);
        cue.progress->hide();
        cue.progress->setValue(0);
        cue.time->hide();
        setBackground(cue.framePanel, colours::kBlue);
    }
}

void TfrmMusik::showCuePlaying(CueControls& playing) {
    playingCue_ = &playing;
    for (CueControls& cue : cues) {
        const bool isPlaying = &cue == &playing;
        cue.time->setVisible(isPlaying);
        setBackground(cue.framePanel, isPlaying ? colours::kRed : colours::kBlue);
    }
}

} // namespace trelvan
