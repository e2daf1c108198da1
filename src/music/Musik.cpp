// The music desk window: its layout, its settings, activation and closing,
// the volumes and the restore of both lists. The cues are in CuePlayers.cpp,
// the list handlers in ListHandlers.cpp.
#include "music/Musik.h"

#include "music/ListRules.h"
#include "music/PlaylistFile.h"
#include "platform/Colours.h"
#include "platform/ErrorBox.h"
#include "platform/Exceptions.h"
#include "platform/HintPause.h"
#include "platform/ProgramFolder.h"
#include "platform/WidgetLook.h"
#include "platform/media/MediaPlayer.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace trelvan {

TfrmMusik* frmMusik = nullptr;

// Where the widgets of one cue row lie.
struct CueLayout {
    QString caption;
    QRect frame;
    QRect controls;
    QPoint title;
    QPoint edit;
    QRect choose;
    QPoint play;
    QPoint stop;
    QPoint time;
    QPoint progress;
    QColor chooseColour; // the colour of the controls panel's font
    QColor playColour;
};

namespace {

// The face colour of panels and buttons that keep their default colour.
const QColor kButtonFace{0xF0, 0xF0, 0xF0};
const QString kFontFamily = QStringLiteral("MS Sans Serif");
const QString kCuePlayHint = QStringLiteral("spielt dem im Player angegebenen Song");
const QString kListPlayHint = QStringLiteral("spielt dem im Player markierten Song");
const QString kStopHint = QStringLiteral("stoppt den Song");
const QString kListHint = QStringLiteral("Klick rechte Maustaste öffnet Kontextmenue, Doppelklick "
                                         "auf einem Song spielt den Song sofort");
const QString kSongDialogTitle =
    QStringLiteral("Musik auswählen (zur Mehrfachauswahl Strg- oder Shift Taste gedrückt halten)");
const QString kListFilter = QStringLiteral("Musiklisten (*.lst)");
// Marks a drag of a list entry; the entry itself travels through DragStartIndex.
const QString kListEntryMime = QStringLiteral("application/x-trelvan-list-entry");

const std::array<CueLayout, kCueCount> kCueLayouts = {{
    {QStringLiteral("Eröffnungsmusik"),
     {8, 24, 281, 112},
     {8, 21, 281, 97},
     {61, 4},
     {8, 34},
     {248, 35, 25, 20},
     {59, 65},
     {133, 65},
     {213, 95},
     {60, 96},
     colours::kRed,
     colours::kRed},
    {QStringLiteral("Einritt"),
     {8, 160, 281, 113},
     {8, 160, 281, 97},
     {107, 5},
     {8, 36},
     {248, 37, 25, 20},
     {59, 65},
     {133, 65},
     {215, 98},
     {61, 99},
     colours::kBlue,
     colours::kWindowText},
    {QStringLiteral("Siegerfanfare"),
     {8, 296, 281, 121},
     {8, 296, 281, 105},
     {81, 4},
     {8, 42},
     {248, 43, 25, 21},
     {63, 73},
     {135, 73},
     {212, 106},
     {58, 107},
     colours::kBlue,
     colours::kWindowText},
    {QStringLiteral("Ehrenrunde"),
     {8, 440, 281, 121},
     {8, 440, 281, 105},
     {85, 4},
     {8, 40},
     {248, 41, 25, 20},
     {59, 72},
     {133, 72},
     {216, 106},
     {61, 107},
     colours::kBlue,
     colours::kWindowText},
}};

// Point sizes of the design's pixel heights at 96 dpi: 11 px = 8 pt,
// 19 px = 14 pt, 24 px = 18 pt.
QFont deskFont(int points, bool bold = false) {
    QFont font(kFontFamily, points);
    font.setBold(bold);
    return font;
}

QFrame* makePanel(QWidget* parent, const QRect& geometry, const QColor& colour) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    setBackground(panel, colour);
    return panel;
}

// A label sized to its text, as the design's auto-sized labels are.
QLabel* makeLabel(QWidget* parent, const QString& text, const QPoint& position, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    setTextColour(label, colour);
    label->move(position);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QRect& geometry,
                        const QColor& colour, const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setFont(deskFont(8, true));
    setTextColour(button, colour);
    button->setToolTip(hint);
    return button;
}

QProgressBar* makeProgressBar(QWidget* parent, const QRect& geometry) {
    auto* bar = new QProgressBar(parent);
    bar->setGeometry(geometry);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->hide();
    return bar;
}

// A time label: red background, black text, no caption until a song plays.
QLabel* makeTimeLabel(QWidget* parent, const QRect& geometry, bool redBackground) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFont(deskFont(8));
    setTextColour(label, colours::kWindowText);
    if (redBackground)
        setBackground(label, colours::kRed);
    label->hide();
    return label;
}

QSlider* makeTrackBar(QWidget* parent, const QRect& geometry) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setGeometry(geometry);
    bar->setRange(0, 1000);
    bar->setValue(0);
    bar->setSingleStep(1);
    bar->setPageStep(2);
    bar->setTickInterval(1);
    bar->setTickPosition(QSlider::TicksBothSides);
    return bar;
}

QListWidget* makeList(QWidget* parent, const QRect& geometry) {
    auto* list = new QListWidget(parent);
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true); // long lists fill at once
    list->setFont(deskFont(8, true));
    setTextColour(list, colours::kWindowText);
    list->setToolTip(kListHint);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->addItem(TfrmMusik::hintEntry());
    list->setAcceptDrops(true);
    list->viewport()->setAcceptDrops(true);
    return list;
}

// The song count label keeps its right edge and grows to the left.
void setRightAlignedText(QLabel* label, const QString& text) {
    const int right = label->x() + label->width();
    const int width = label->fontMetrics().horizontalAdvance(text);
    label->setText(text);
    label->setGeometry(right - width, label->y(), width, label->height());
}

} // namespace

TfrmMusik::TfrmMusik(Player& cuePlayer, Player& listPlayer, QWidget* parent)
    : QWidget(parent, Qt::Window), MediaPlayer1(cuePlayer), MediaPlayer2(listPlayer) {
    buildWindow();
    buildDialogs();
    buildCues();
    buildVolumeBars();
    buildLists();
    buildMenus();
    connectHandlers();

    readSettings();
    restoreList(backgroundList);
    restoreList(breakList);
    ListPlaying = false;
    setHintHidePause(4500);
    SaveDialog1.initialFolder = programFolder();
    OpenDialog1.initialFolder = programFolder();
}

TfrmMusik::TfrmMusik(QWidget* parent) : TfrmMusik(*new MediaPlayer, *new MediaPlayer, parent) {
    ownedCuePlayer_.reset(&MediaPlayer1);
    ownedListPlayer_.reset(&MediaPlayer2);
}

TfrmMusik::~TfrmMusik() {
    // No notice may reach a window that is half gone; owned players close
    // their devices when they are released after this.
    MediaPlayer1.disconnect(this);
    MediaPlayer2.disconnect(this);
}

void TfrmMusik::buildWindow() {
    setWindowTitle(QStringLiteral("MP3 Player"));
    setGeometry(256, 44, 945, 702);
    setBackground(this, colours::kHighlight);
    setTextColour(this, colours::kWindowText);
    setFont(deskFont(8));

    GroupBox2 = new QGroupBox(QStringLiteral("Einzeltitel"), this);
    GroupBox2->setGeometry(8, 8, 297, 657);
    setTextColour(GroupBox2, colours::kBlue);

    GroupBox1 = new QGroupBox(QStringLiteral("Dauerbeschallung"), this);
    GroupBox1->setGeometry(312, 8, 617, 657);
    setBackground(GroupBox1, colours::kActiveCaption);
    setTextColour(GroupBox1, colours::kBlue);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    Timer2 = new QTimer(this);
    Timer2->setInterval(250);
}

void TfrmMusik::buildDialogs() {
    for (FileDialogRequest* dialog :
         {&openDialogEroeffnung, &OpenDialogEinritt, &openDialogsieger, &OpenDialogEhrenrunde}) {
        dialog->title = QStringLiteral("MP3 öffnen");
        dialog->filter = QStringLiteral("musik (*.mp3)");
        dialog->parent = this;
    }
    for (FileDialogRequest* dialog : {&OpenDialogHintergrund, &OpenDialogPause}) {
        dialog->title = kSongDialogTitle;
        dialog->filter = QStringLiteral("mp3 (*.mp3)");
        dialog->parent = this;
    }
    SaveDialog1.title = QStringLiteral("Liste speichern unter:  Name eingeben ohne Dateiendung");
    SaveDialog1.filter = kListFilter;
    SaveDialog1.defaultSuffix = QStringLiteral("lst");
    SaveDialog1.parent = this;
    OpenDialog1.filter = kListFilter;
    OpenDialog1.parent = this;
}

void TfrmMusik::buildCue(CueControls& cue, const CueLayout& layout) {
    // The frame panel is created first and so lies under the controls panel;
    // only its bottom strip, with bar and time, is seen.
    cue.framePanel = makePanel(GroupBox2, layout.frame, colours::kBlue);
    cue.controlsPanel = makePanel(GroupBox2, layout.controls, kButtonFace);
    setTextColour(cue.controlsPanel, colours::kWindowText);

    cue.title = makeLabel(cue.controlsPanel, layout.caption, layout.title, deskFont(14, true),
                          colours::kWindowText);

    cue.edit = new QLineEdit(cue.controlsPanel);
    cue.edit->setGeometry(QRect(layout.edit, QSize(241, 21)));
    cue.edit->setFont(deskFont(8));
    setTextColour(cue.edit, colours::kWindowText);
    cue.edit->installEventFilter(this);

    cue.choose = new QToolButton(cue.controlsPanel);
    cue.choose->setText(QStringLiteral("..."));
    cue.choose->setGeometry(layout.choose);
    cue.choose->setFont(deskFont(8));
    setTextColour(cue.choose, layout.chooseColour);

    cue.play = makeButton(cue.controlsPanel, QStringLiteral("Play"),
                          QRect(layout.play, QSize(75, 25)), layout.playColour, kCuePlayHint);
    cue.stop = makeButton(cue.controlsPanel, QStringLiteral("Stop"),
                          QRect(layout.stop, QSize(75, 25)), colours::kWindowText, kStopHint);
    cue.stop->setEnabled(false);

    cue.time = makeTimeLabel(cue.framePanel, QRect(layout.time, QSize(3, 13)), true);
    cue.progress = makeProgressBar(cue.framePanel, QRect(layout.progress, QSize(148, 10)));
}

void TfrmMusik::buildCues() {
    const std::array<FileDialogRequest*, kCueCount> dialogs = {
        &openDialogEroeffnung, &OpenDialogEinritt, &openDialogsieger, &OpenDialogEhrenrunde};
    for (int i = 0; i < kCueCount; ++i) {
        cues[i].index = i;
        cues[i].dialog = dialogs[i];
        buildCue(cues[i], kCueLayouts[i]);
    }
    auto name = [](const CueControls& cue, QFrame*& frame, QFrame*& controls, QLabel*& title,
                   QLineEdit*& edit, QToolButton*& choose, QPushButton*& play, QPushButton*& stop,
                   QLabel*& time, QProgressBar*& progress) {
        frame = cue.framePanel;
        controls = cue.controlsPanel;
        title = cue.title;
        edit = cue.edit;
        choose = cue.choose;
        play = cue.play;
        stop = cue.stop;
        time = cue.time;
        progress = cue.progress;
    };
    name(cues[0], Panel10, PanelEroeffnung, Label1, edtEroeffnung, btnAuswahlEroeffnung,
         btnPlayEroeffnung, btnStopEroeffnung, Label11, ProgressBar3);
    name(cues[1], Panel11, PanelEinritt, Label3, edtEinritt, btnAuswahlEinritt, btnPlayEinritt,
         btnStopEinritt, Label12, ProgressBar4);
    name(cues[2], Panel12, Panel1, Label2, edtSieferfanfare, btnAuswahlSieger, btnPlaySieger,
         btnStopSiegerf, Label13, ProgressBar5);
    name(cues[3], Panel13, PanelEhrenrunde, Label4, edtEhrenrunde, btnAuswahlEhrenrunde,
         btnPlayEhrenrunde, btnStopEhrenrunde, Label14, ProgressBar6);
}

void TfrmMusik::buildVolumeBars() {
    TrackBarPlayer1 = makeTrackBar(GroupBox2, QRect(8, 576, 281, 33));
    Label15 = makeLabel(GroupBox2, QStringLiteral("-   Volumen  (Einzeltitel) +"), {32, 616},
                        deskFont(14), colours::kWhite);

    // Panel7 lies under the list volume bar.
    Panel7 = makePanel(GroupBox1, QRect(32, 568, 537, 33), colours::kBlue);
    TrackBarPlayer2 = makeTrackBar(GroupBox1, QRect(24, 560, 553, 45));
    TrackBarPlayer2->setToolTip(
        QStringLiteral("Lautstärke regeln für Hintergrund- und Pausenmusik"));
    Label5 = makeLabel(GroupBox1, QStringLiteral("-   Volumen  (Hintergrund- und Pausenmusik) +"),
                       {30, 611}, deskFont(18, true), colours::kWhite);
    Label5->resize(545, 29);
    shrinkFontToWidth(Label5, Label5->width());
}

void TfrmMusik::buildLists() {
    Panel3 = makePanel(GroupBox1, QRect(16, 48, 585, 145), kButtonFace);
    Label6 = makeLabel(Panel3, QStringLiteral("Hintergrund Musik"), {165, 1}, deskFont(14, true),
                       colours::kWindowText);
    ListBox1 = makeList(GroupBox1, QRect(24, 74, 569, 82));
    btnMediaPlayer2Start = makeButton(GroupBox1, QStringLiteral("Play"), QRect(234, 163, 75, 25),
                                      colours::kRed, kListPlayHint);
    btnMediaplayer2Stop = makeButton(GroupBox1, QStringLiteral("Stop"), QRect(308, 163, 75, 25),
                                     colours::kWindowText, kStopHint);
    btnMediaplayer2Stop->setEnabled(false);
    Panel5 = makePanel(GroupBox1, QRect(16, 192, 585, 25), colours::kBlue);
    ProgressBar1 = makeProgressBar(Panel5, QRect(219, 8, 148, 10));
    Label8 = makeTimeLabel(Panel5, QRect(378, 6, 3, 13), false);
    Label16 = makeLabel(Panel5, initialCountText(), {548, 6}, deskFont(8), colours::kWhite);
    Label16->setGeometry(548, 6, 34, 13);
    Label16->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Panel4 = makePanel(GroupBox1, QRect(16, 328, 585, 145), kButtonFace);
    Label7 = makeLabel(Panel4, QStringLiteral("Pausen Musik"), {197, 1}, deskFont(14, true),
                       colours::kWindowText);
    ListBox2 = makeList(Panel4, QRect(11, 30, 566, 82));
    btnMediaPlayer2PausenMusikStart = makeButton(
        Panel4, QStringLiteral("Play"), QRect(215, 116, 75, 25), colours::kRed, kListPlayHint);
    btnMediaPlayer2PausenMusikStop = makeButton(
        Panel4, QStringLiteral("Stop"), QRect(287, 116, 75, 25), colours::kWindowText, kStopHint);
    btnMediaPlayer2PausenMusikStop->setEnabled(false);
    Panel6 = makePanel(GroupBox1, QRect(16, 472, 585, 25), colours::kBlue);
    ProgressBar2 = makeProgressBar(Panel6, QRect(213, 10, 148, 10));
    Label10 = makeTimeLabel(Panel6, QRect(374, 7, 3, 13), false);
    Label17 = makeLabel(Panel6, initialCountText(), {548, 7}, deskFont(8), colours::kWhite);
    Label17->setGeometry(548, 7, 34, 13);
    Label17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    backgroundList = {ListBox1,
                      btnMediaPlayer2Start,
                      btnMediaplayer2Stop,
                      Panel5,
                      ProgressBar1,
                      Label8,
                      Label16,
                      nullptr,
                      &OpenDialogHintergrund,
                      QStringLiteral("hintergrund.ls"),
                      &BackgroundListFile};
    breakList = {ListBox2,
                 btnMediaPlayer2PausenMusikStart,
                 btnMediaPlayer2PausenMusikStop,
                 Panel6,
                 ProgressBar2,
                 Label10,
                 Label17,
                 nullptr,
                 &OpenDialogPause,
                 QStringLiteral("pausen.ls"),
                 &BreakListFile};
}

void TfrmMusik::buildMenus() {
    PopupHintergrundMusik = new QMenu(this);
    PlayListerstellen1 =
        PopupHintergrundMusik->addAction(QStringLiteral(" neue Play List erstellen"));
    andiePlayListanfgen1 =
        PopupHintergrundMusik->addAction(QStringLiteral("an die Play List anfügen"));
    SongausPlayListelschen1 =
        PopupHintergrundMusik->addAction(QStringLiteral("Song aus Play List löschen"));
    mischen = PopupHintergrundMusik->addAction(QStringLiteral("Playlist mischen"));
    Listspeichernunter1 = PopupHintergrundMusik->addAction(QStringLiteral("Liste speichern unter"));
    Listeladen1 = PopupHintergrundMusik->addAction(QStringLiteral("Liste laden"));
    backgroundList.popup = PopupHintergrundMusik;

    PopupMenuPausenMusik = new QMenu(this);
    PausenMusikladen1 =
        PopupMenuPausenMusik->addAction(QStringLiteral(" neue Play List erstellen"));
    anPlayList2anfgen = PopupMenuPausenMusik->addAction(QStringLiteral("an Play List anfügen"));
    SongausPlayListloeschen1 =
        PopupMenuPausenMusik->addAction(QStringLiteral("Song aus Play List loeschen"));
    Playlistmischen1 = PopupMenuPausenMusik->addAction(QStringLiteral("Playlist mischen"));
    Listespeichernunter1 = PopupMenuPausenMusik->addAction(QStringLiteral("Liste speichern unter"));
    Listeladen2 = PopupMenuPausenMusik->addAction(QStringLiteral("Liste laden"));
    breakList.popup = PopupMenuPausenMusik;
}

void TfrmMusik::connectHandlers() {
    // Every handler runs inside runHandler: an error ends it and is shown in
    // the application's error box, and the desk goes on.
    auto bind = [this](auto* sender, auto signal, void (TfrmMusik::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
    };

    using T = TfrmMusik;
    const std::array<void (T::*)(), kCueCount> choose = {
        &T::btnAuswahlEroeffnungClick, &T::btnAuswahlEinrittClick, &T::btnAuswahlSiegerClick,
        &T::btnAuswahlEhrenrundeClick};
    const std::array<void (T::*)(), kCueCount> play = {
        &T::btnPlayEroeffnungClick, &T::btnPlayEinrittClick, &T::btnPlaySiegerClick,
        &T::btnPlayEhrenrundeClick};
    for (int i = 0; i < kCueCount; ++i) {
        bind(cues[i].choose, &QToolButton::clicked, choose[i]);
        bind(cues[i].play, &QPushButton::clicked, play[i]);
        bind(cues[i].stop, &QPushButton::clicked, &T::btnStopEroeffnungClick);
    }
    bind(&MediaPlayer1, &Player::notify, &T::MediaPlayer1Notify);
    bind(Timer1, &QTimer::timeout, &T::Timer1Timer);
    bind(TrackBarPlayer1, &QSlider::valueChanged, &T::TrackBarPlayer1Change);
    bind(TrackBarPlayer2, &QSlider::valueChanged, &T::TrackBarPlayer2Change);

    bind(btnMediaPlayer2Start, &QPushButton::clicked, &T::btnMediaPlayer2StartClick);
    bind(btnMediaPlayer2PausenMusikStart, &QPushButton::clicked,
         &T::btnMediaPlayer2PausenMusikStartClick);
    bind(btnMediaplayer2Stop, &QPushButton::clicked, &T::btnMediaplayer2StopClick);
    bind(btnMediaPlayer2PausenMusikStop, &QPushButton::clicked, &T::btnMediaplayer2StopClick);
    bind(&MediaPlayer2, &Player::notify, &T::MediaPlayer2Notify);
    bind(Timer2, &QTimer::timeout, &T::Timer2Timer);

    bind(PlayListerstellen1, &QAction::triggered, &T::PlayListerstellen1Click);
    bind(andiePlayListanfgen1, &QAction::triggered, &T::andiePlayListanfgen1Click);
    bind(SongausPlayListelschen1, &QAction::triggered, &T::SongausPlayListelschen1Click);
    bind(mischen, &QAction::triggered, &T::mischenClick);
    bind(Listspeichernunter1, &QAction::triggered, &T::Listspeichernunter1Click);
    bind(Listeladen1, &QAction::triggered, &T::Listeladen1Click);
    bind(PausenMusikladen1, &QAction::triggered, &T::PausenMusikladen1Click);
    bind(anPlayList2anfgen, &QAction::triggered, &T::anPlayList2anfgenClick);
    bind(SongausPlayListloeschen1, &QAction::triggered, &T::SongausPlayListloeschen1Click);
    bind(Playlistmischen1, &QAction::triggered, &T::Playlistmischen1Click);
    bind(Listespeichernunter1, &QAction::triggered, &T::Listespeichernunter1Click);
    bind(Listeladen2, &QAction::triggered, &T::Listeladen2Click);

    connectList(backgroundList);
    connectList(breakList);
}

void TfrmMusik::connectList(ListControls& list) {
    connect(list.list, &QListWidget::customContextMenuRequested, this,
            [&list](const QPoint& position) {
                list.popup->popup(list.list->viewport()->mapToGlobal(position));
            });
    list.list->viewport()->installEventFilter(this);
}

// --- settings ------------------------------------------------------------

void TfrmMusik::readSettings() {
    const MusicSettings settings = readMusicSettings();
    for (int i = 0; i < kCueCount; ++i)
        CuePath[i] = settings.cuePaths[i];
    // The slider clamps to 0..1000 and reports a change only when the clamped
    // value differs from its position, which runs the volume handler then.
    TrackBarPlayer2->setValue(settings.listVolume);
    TrackBarPlayer1->setValue(settings.cueVolume);
    BackgroundListFile = settings.backgroundListFile;
    BreakListFile = settings.breakListFile;
}

void TfrmMusik::restoreList(ListControls& list) {
    const QString path = *list.workingFileField;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    QStringList entries;
    try {
        entries = readPlaylist(path);
    } catch (const Exception& error) {
        // An unreadable working file costs this list, not the show: the list
        // keeps its hint entry, the file stays as it is, the program goes on.
        showErrorBox(error.message(), this);
        return;
    }
    list.list->clear();
    list.list->addItems(entries);
    showSongCount(list, static_cast<int>(entries.size()));
    if (!entries.isEmpty())
        list.list->setCurrentRow(0);
}

void TfrmMusik::SaveMusicSettings() {
    MusicSettings settings;
    for (int i = 0; i < kCueCount; ++i)
        settings.cuePaths[i] = CuePath[i];
    settings.listVolume = TrackBarPlayer2->value();
    settings.cueVolume = TrackBarPlayer1->value();
    settings.backgroundListFile = BackgroundListFile;
    settings.breakListFile = BreakListFile;
    writeMusicSettings(settings);
}

QString TfrmMusik::SpielZeit1(int count) const {
    return songCountText(count);
}

void TfrmMusik::showSongCount(ListControls& list, int count) {
    setRightAlignedText(list.count, SpielZeit1(count));
}

// --- window --------------------------------------------------------------

void TfrmMusik::FormActivate() {
    for (int i = 0; i < kCueCount; ++i)
        cues[i].dialog->initialFolder = folderPart(CuePath[i]);
    for (int i = 0; i < kCueCount; ++i)
        cues[i].edit->setText(fileNamePart(CuePath[i]));
}

void TfrmMusik::FormClose() {
    SaveMusicSettings();
}

void TfrmMusik::TrackBarPlayer1Change() {
    MediaPlayer1.setVolume(TrackBarPlayer1->value());
}

void TfrmMusik::TrackBarPlayer2Change() {
    MediaPlayer2.setVolume(TrackBarPlayer2->value());
}

bool TfrmMusik::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        runHandler([this] { FormActivate(); });
    return QWidget::event(event);
}

void TfrmMusik::closeEvent(QCloseEvent* event) {
    // Closing only hides the desk: players, timers and lists go on.
    runHandler([this] { FormClose(); });
    event->accept();
}

void TfrmMusik::showEvent(QShowEvent* event) {
    if (!shownBefore_) {
        shownBefore_ = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

// --- input plumbing ------------------------------------------------------

bool TfrmMusik::eventFilter(QObject* watched, QEvent* event) {
    using T = TfrmMusik;
    static const std::array<void (T::*)(), kCueCount> restart = {
        &T::edtEroeffnungDblClick, &T::edtEinrittDblClick, &T::edtSieferfanfareDblClick,
        &T::edtEhrenrundeDblClick};
    for (int i = 0; i < kCueCount; ++i) {
        if (watched == cues[i].edit && event->type() == QEvent::MouseButtonDblClick) {
            const auto handler = restart[i];
            runHandler([this, handler] { (this->*handler)(); });
            return false;
        }
    }

    QListWidget* list = nullptr;
    if (watched == ListBox1->viewport())
        list = ListBox1;
    else if (watched == ListBox2->viewport())
        list = ListBox2;
    if (!list)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            dragPressList_ = list;
            dragPressPosition_ = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (dragPressList_ == list && (mouse->buttons() & Qt::LeftButton) &&
            (mouse->position().toPoint() - dragPressPosition_).manhattanLength() >=
                QApplication::startDragDistance() &&
            list->itemAt(dragPressPosition_)) {
            dragPressList_ = nullptr;
            startListDrag(list);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        dragPressList_ = nullptr;
        return false;
    case QEvent::MouseButtonDblClick: {
        const auto handler = list == ListBox1 ? &T::ListBox1DblClick : &T::ListBox2DblClick;
        runHandler([this, handler] { (this->*handler)(); });
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        bool accept = false;
        runHandler([&] { listDragOver(list, drag->source(), drag->position().toPoint(), accept); });
        if (accept)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        runHandler([&] { listDragDrop(list, drop->source(), drop->position().toPoint()); });
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

void TfrmMusik::startListDrag(QListWidget* list) {
    runHandler([&] { listStartDrag(list, list); });
    // The dragged entry travels by DragStartIndex; the data only marks the drag.
    auto* data = new QMimeData;
    data->setData(kListEntryMime, QByteArray());
    auto* drag = new QDrag(list);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

void TfrmMusik::listStartDrag(QListWidget* list, QObject* sender) {
    if (list == ListBox1)
        ListBox1StartDrag(sender);
    else
        ListBox2StartDrag(sender);
}

void TfrmMusik::listDragOver(QListWidget* list, QObject* source, const QPoint& position,
                             bool& accept) {
    if (list == ListBox1)
        ListBox1DragOver(source, position, accept);
    else
        ListBox2DragOver(source, position, accept);
}

void TfrmMusik::listDragDrop(QListWidget* list, QObject* source, const QPoint& position) {
    if (list == ListBox1)
        ListBox1DragDrop(source, position);
    else
        ListBox2DragDrop(source, position);
}

} // namespace trelvan
