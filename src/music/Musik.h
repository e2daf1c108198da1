#pragma once

#include "music/CuePlayers.h"
#include "platform/Dialogs.h"

#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;

namespace trelvan {

class Player;
struct CueLayout;

// The widgets of one continuous-sound list (background or break music). The
// two lists share their handlers; each is told which list by one of these.
struct ListControls {
    QListWidget* list = nullptr;
    QPushButton* play = nullptr;
    QPushButton* stop = nullptr;
    QFrame* panel = nullptr; // status strip: blue, red while the list plays
    QProgressBar* progress = nullptr;
    QLabel* time = nullptr;
    QLabel* count = nullptr;
    QMenu* popup = nullptr;
    FileDialogRequest* songDialog = nullptr;
    QString workingFileName;             // "hintergrund.ls" or "pausen.ls"
    QString* workingFileField = nullptr; // BackgroundListFile or BreakListFile
};

// The music desk: four show cues on one player and the two endless playlists
// (background and break music) on a second one. Created once, hidden; closing
// it only hides it, so music goes on playing.
class TfrmMusik : public QWidget {
    Q_OBJECT
public:
    // The desk on two given players (not owned): MediaPlayer1 plays the cues,
    // MediaPlayer2 the lists.
    TfrmMusik(Player& cuePlayer, Player& listPlayer, QWidget* parent = nullptr);
    // The desk with its own two GStreamer players.
    explicit TfrmMusik(QWidget* parent = nullptr);
    ~TfrmMusik() override;

    // The hint entry each list shows until it has been filled.
    static QString hintEntry() {
        return QStringLiteral("hier rechts klicken um Musik auszuwählen");
    }
    // The count label's caption until a list has been restored or edited.
    static QString initialCountText() { return QStringLiteral("Ges.: 0"); }

    // --- components ------------------------------------------------------
    QGroupBox* GroupBox2 = nullptr; // "Einzeltitel": the cues
    QGroupBox* GroupBox1 = nullptr; // "Dauerbeschallung": the lists

    QFrame* Panel10 = nullptr;
    QFrame* PanelEroeffnung = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edtEroeffnung = nullptr;
    QToolButton* btnAuswahlEroeffnung = nullptr;
    QPushButton* btnPlayEroeffnung = nullptr;
    QPushButton* btnStopEroeffnung = nullptr;
    QLabel* Label11 = nullptr;
    QProgressBar* ProgressBar3 = nullptr;

    QFrame* Panel11 = nullptr;
    QFrame* PanelEinritt = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* edtEinritt = nullptr;
    QToolButton* btnAuswahlEinritt = nullptr;
    QPushButton* btnPlayEinritt = nullptr;
    QPushButton* btnStopEinritt = nullptr;
    QLabel* Label12 = nullptr;
    QProgressBar* ProgressBar4 = nullptr;

    QFrame* Panel12 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* edtSieferfanfare = nullptr;
    QToolButton* btnAuswahlSieger = nullptr;
    QPushButton* btnPlaySieger = nullptr;
    QPushButton* btnStopSiegerf = nullptr;
    QLabel* Label13 = nullptr;
    QProgressBar* ProgressBar5 = nullptr;

    QFrame* Panel13 = nullptr;
    QFrame* PanelEhrenrunde = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* edtEhrenrunde = nullptr;
    QToolButton* btnAuswahlEhrenrunde = nullptr;
    QPushButton* btnPlayEhrenrunde = nullptr;
    QPushButton* btnStopEhrenrunde = nullptr;
    QLabel* Label14 = nullptr;
    QProgressBar* ProgressBar6 = nullptr;

    Player& MediaPlayer1; // the cue player
    QSlider* TrackBarPlayer1 = nullptr;
    QLabel* Label15 = nullptr;

    QFrame* Panel3 = nullptr;
    QLabel* Label6 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* btnMediaPlayer2Start = nullptr;
    QPushButton* btnMediaplayer2Stop = nullptr;
    QFrame* Panel5 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label16 = nullptr;

    QFrame* Panel4 = nullptr;
    QLabel* Label7 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QPushButton* btnMediaPlayer2PausenMusikStart = nullptr;
    QPushButton* btnMediaPlayer2PausenMusikStop = nullptr;
    QFrame* Panel6 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label17 = nullptr;

    QFrame* Panel7 = nullptr;
    QSlider* TrackBarPlayer2 = nullptr;
    QLabel* Label5 = nullptr;
    Player& MediaPlayer2; // the continuous-sound player

    FileDialogRequest openDialogEroeffnung;
    FileDialogRequest OpenDialogEinritt;
    FileDialogRequest openDialogsieger;
    FileDialogRequest OpenDialogEhrenrunde;
    FileDialogRequest OpenDialogHintergrund;
    FileDialogRequest OpenDialogPause;
    FileDialogRequest SaveDialog1;
    FileDialogRequest OpenDialog1;

    QMenu* PopupHintergrundMusik = nullptr;
    QAction* PlayListerstellen1 = nullptr;
    QAction* andiePlayListanfgen1 = nullptr;
    QAction* SongausPlayListelschen1 = nullptr;
    QAction* mischen = nullptr;
    QAction* Listspeichernunter1 = nullptr;
    QAction* Listeladen1 = nullptr;

    QMenu* PopupMenuPausenMusik = nullptr;
    QAction* PausenMusikladen1 = nullptr;
    QAction* anPlayList2anfgen = nullptr;
    QAction* SongausPlayListloeschen1 = nullptr;
    QAction* Playlistmischen1 = nullptr;
    QAction* Listespeichernunter1 = nullptr;
    QAction* Listeladen2 = nullptr;

    QTimer* Timer1 = nullptr; // display of the playing cue
    QTimer* Timer2 = nullptr; // display of the playing list

    // The twins, in the order opening, entry, winner, lap of honour.
    std::array<CueControls, kCueCount> cues;
    ListControls backgroundList;
    ListControls breakList;

    // --- fields ----------------------------------------------------------
    std::array<QString, kCueCount> CuePath; // full path of each cue's file
    QString BackgroundListFile;             // working file of the background list
    QString BreakListFile;                  // working file of the break list
    bool ListPlaying = false;               // a list plays and steps on at its end
    int NextSongIndex = 0;                  // entry of ActiveList that follows
    int DragStartIndex = -1;                // entry where the last drag began
    ListControls* ActiveList = nullptr;     // the list the player plays, none at start

    // --- operations ------------------------------------------------------
    // Writes the music section of the settings file (all eight keys).
    void SaveMusicSettings();
    // The song count under a list: "<count> Songs".
    QString SpielZeit1(int count) const;
    // Sets a list's count label to the count text, keeping its right edge.
    void showSongCount(ListControls& list, int count);
    // Writes a list to its working file in the program folder.
    void SaveWorkingList(ListControls& list);

    // --- window ----------------------------------------------------------
    void FormActivate();
    void FormClose();
    void TrackBarPlayer1Change();
    void TrackBarPlayer2Change();

    // --- cues ------------------------------------------------------------
    void btnAuswahlEroeffnungClick();
    void btnAuswahlEinrittClick();
    void btnAuswahlSiegerClick();
    void btnAuswahlEhrenrundeClick();
    void btnPlayEroeffnungClick();
    void btnPlayEinrittClick();
    void btnPlaySiegerClick();
    void btnPlayEhrenrundeClick();
    void btnStopEroeffnungClick(); // all four Stop buttons
    void edtEroeffnungDblClick();
    void edtEinrittDblClick();
    void edtSieferfanfareDblClick();
    void edtEhrenrundeDblClick();
    void MediaPlayer1Notify();
    void Timer1Timer();

    // --- lists (ListHandlers.cpp) ----------------------------------------
    void btnMediaPlayer2StartClick();
    void btnMediaPlayer2PausenMusikStartClick();
    void btnMediaplayer2StopClick(); // both list Stop buttons
    void ListBox1DblClick();
    void ListBox2DblClick();
    void MediaPlayer2Notify();
    void Timer2Timer();
    // Drag and drop between and within the lists. `sender` / `source` is the
    // list the drag began in (any other object for foreign drags); positions
    // are in the list's viewport coordinates, as QListWidget::itemAt takes them.
    void ListBox1StartDrag(QObject* sender);
    void ListBox1DragOver(QObject* source, const QPoint& position, bool& accept);
    void ListBox1DragDrop(QObject* source, const QPoint& position);
    void ListBox2StartDrag(QObject* sender);
    void ListBox2DragOver(QObject* source, const QPoint& position, bool& accept);
    void ListBox2DragDrop(QObject* source, const QPoint& position);
    void PlayListerstellen1Click();
    void andiePlayListanfgen1Click();
    void SongausPlayListelschen1Click();
    void mischenClick();
    void PausenMusikladen1Click();
    void anPlayList2anfgenClick();
    void SongausPlayListloeschen1Click();
    void Playlistmischen1Click();
    void Listspeichernunter1Click();
    void Listeladen1Click();
    void Listespeichernunter1Click();
    void Listeladen2Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildCues();
    void buildCue(CueControls& cue, const CueLayout& layout);
    void buildVolumeBars();
    void buildLists();
    void buildMenus();
    void buildDialogs();
    void connectHandlers();
    void connectList(ListControls& list);
    void readSettings();
    void restoreList(ListControls& list);

    void chooseCue(CueControls& cue);
    void playCue(CueControls& cue);
    void restartCue(CueControls& cue);
    void stopCues();
    void showCuesIdle();
    void showCuePlaying(CueControls& cue);

    // Drag plumbing: the lists' own handlers decide what a drag does.
    void startListDrag(QListWidget* list);
    void listStartDrag(QListWidget* list, QObject* sender);
    void listDragOver(QListWidget* list, QObject* source, const QPoint& position, bool& accept);
    void listDragDrop(QListWidget* list, QObject* source, const QPoint& position);

    // The players of the convenience constructor; empty when they were given.
    std::unique_ptr<Player> ownedCuePlayer_;
    std::unique_ptr<Player> ownedListPlayer_;
    bool shownBefore_ = false;
    QPoint dragPressPosition_;
    QListWidget* dragPressList_ = nullptr;
    // Bumped by every start, stop and end of a cue: a Play whose cue has been
    // stopped or replaced while it let events through must not paint its cue red.
    quint64 cueSession_ = 0;
    CueControls* playingCue_ = nullptr; // the cue shown as playing, none when idle
};

extern TfrmMusik* frmMusik;

} // namespace trelvan
