// The music desk's window as the operator sees it after construction.
#include "MusikFixture.h"

#include "platform/Colours.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace trelvan::test {
namespace {

using MusikLayoutTest = MusikFixture;

QColor background(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}
QColor buttonText(const QWidget* widget) {
    return widget->palette().color(QPalette::ButtonText);
}
QColor labelText(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

QStringList captions(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

TEST_F(MusikLayoutTest, WidgetsLieWhereTheDesignPutsThem) {
    TfrmMusik& d = makeDesk();
    struct Placement {
        const char* name;
        QWidget* widget;
        QWidget* parent;
        QRect geometry;
    };
    const Placement placements[] = {
        {"GroupBox2", d.GroupBox2, &d, {8, 8, 297, 657}},
        {"GroupBox1", d.GroupBox1, &d, {312, 8, 617, 657}},
        {"Panel10", d.Panel10, d.GroupBox2, {8, 24, 281, 112}},
        {"PanelEroeffnung", d.PanelEroeffnung, d.GroupBox2, {8, 21, 281, 97}},
        {"edtSieferfanfare", d.edtSieferfanfare, d.Panel1, {8, 42, 241, 21}},
        {"btnAuswahlSieger", d.btnAuswahlSieger, d.Panel1, {248, 43, 25, 21}},
        {"btnPlayEhrenrunde", d.btnPlayEhrenrunde, d.PanelEhrenrunde, {59, 72, 75, 25}},
        {"btnStopSiegerf", d.btnStopSiegerf, d.Panel1, {135, 73, 75, 25}},
        {"ProgressBar4", d.ProgressBar4, d.Panel11, {61, 99, 148, 10}},
        {"Label14", d.Label14, d.Panel13, {216, 106, 3, 13}},
        {"TrackBarPlayer1", d.TrackBarPlayer1, d.GroupBox2, {8, 576, 281, 33}},
        {"Panel3", d.Panel3, d.GroupBox1, {16, 48, 585, 145}},
        {"ListBox1", d.ListBox1, d.GroupBox1, {24, 74, 569, 82}},
        {"ListBox2", d.ListBox2, d.Panel4, {11, 30, 566, 82}},
        {"btnMediaplayer2Stop", d.btnMediaplayer2Stop, d.GroupBox1, {308, 163, 75, 25}},
        {"btnMediaPlayer2PausenMusikStart",
         d.btnMediaPlayer2PausenMusikStart,
         d.Panel4,
         {215, 116, 75, 25}},
        {"ProgressBar2", d.ProgressBar2, d.Panel6, {213, 10, 148, 10}},
        {"Label16", d.Label16, d.Panel5, {548, 6, 34, 13}},
        {"Label17", d.Label17, d.Panel6, {548, 7, 34, 13}},
        {"Panel7", d.Panel7, d.GroupBox1, {32, 568, 537, 33}},
        {"TrackBarPlayer2", d.TrackBarPlayer2, d.GroupBox1, {24, 560, 553, 45}},
        {"Label5", d.Label5, d.GroupBox1, {30, 611, 545, 29}},
    };
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.name);
        ASSERT_NE(p.widget, nullptr);
        EXPECT_EQ(p.widget->parentWidget(), p.parent);
        EXPECT_EQ(p.widget->geometry(), p.geometry);
    }
    // Labels sized to their text keep their design position.
    EXPECT_EQ(d.Label1->pos(), QPoint(61, 4));
    EXPECT_EQ(d.Label15->pos(), QPoint(32, 616));
    EXPECT_EQ(d.Label7->pos(), QPoint(197, 1));
    EXPECT_EQ(d.Label7->parentWidget(), d.Panel4);
}

TEST_F(MusikLayoutTest, CaptionsColoursHintsAndStartStates) {
    TfrmMusik& d = makeDesk();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("MP3 Player"));
    EXPECT_EQ(d.size(), QSize(945, 702));
    EXPECT_TRUE(d.windowFlags() & Qt::Window);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.isModal());
    EXPECT_EQ(background(&d), colours::kHighlight);
    EXPECT_EQ(background(d.GroupBox1), colours::kActiveCaption);
    EXPECT_EQ(d.GroupBox2->title(), QStringLiteral("Einzeltitel"));
    EXPECT_EQ(d.GroupBox1->title(), QStringLiteral("Dauerbeschallung"));
    EXPECT_EQ(labelText(d.GroupBox2), colours::kBlue);

    // Cue rows: titles, buttons, the red opening row, the hidden playing display.
    const QStringList titles = {d.Label1->text(), d.Label3->text(), d.Label2->text(),
                                d.Label4->text()};
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Eröffnungsmusik"), QStringLiteral("Einritt"),
                                   QStringLiteral("Siegerfanfare"), QStringLiteral("Ehrenrunde")}));
    EXPECT_TRUE(d.Label3->font().bold());
    EXPECT_EQ(d.Label3->font().pointSize(), 14);
    EXPECT_EQ(d.Label3->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(buttonText(d.btnPlayEroeffnung), colours::kRed);
    EXPECT_EQ(buttonText(d.btnPlayEinritt), colours::kWindowText);
    EXPECT_EQ(buttonText(d.btnAuswahlEroeffnung), colours::kRed);
    EXPECT_EQ(buttonText(d.btnAuswahlEhrenrunde), colours::kBlue);
    EXPECT_EQ(d.btnAuswahlEinritt->text(), QStringLiteral("..."));
    EXPECT_TRUE(d.btnAuswahlEinritt->toolTip().isEmpty());
    for (const CueControls& cue : d.cues) {
        SCOPED_TRACE(cue.index);
        EXPECT_EQ(cue.play->text(), QStringLiteral("Play"));
        EXPECT_TRUE(cue.play->font().bold());
        EXPECT_EQ(cue.play->toolTip(), QStringLiteral("spielt dem im Player angegebenen Song"));
        EXPECT_TRUE(cue.play->isEnabled());
        EXPECT_EQ(cue.stop->text(), QStringLiteral("Stop"));
        EXPECT_EQ(cue.stop->toolTip(), QStringLiteral("stoppt den Song"));
        EXPECT_FALSE(cue.stop->isEnabled());
        EXPECT_TRUE(cue.edit->text().isEmpty());
        EXPECT_FALSE(cue.progress->isVisibleTo(&d));
        EXPECT_EQ(cue.progress->maximum(), 100);
        EXPECT_FALSE(cue.time->isVisibleTo(&d));
        EXPECT_EQ(background(cue.time), colours::kRed);
        EXPECT_EQ(background(cue.framePanel), colours::kBlue);
    }
    EXPECT_EQ(d.Label15->text(), QStringLiteral("-   Volumen  (Einzeltitel) +"));
    EXPECT_EQ(labelText(d.Label15), colours::kWhite);
    EXPECT_FALSE(d.Label15->font().bold());

    // Lists.
    for (QListWidget* list : {d.ListBox1, d.ListBox2}) {
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(),
                  QStringLiteral("hier rechts klicken um Musik auszuwählen"));
        EXPECT_EQ(list->toolTip(),
                  QStringLiteral("Klick rechte Maustaste öffnet Kontextmenue, "
                                 "Doppelklick auf einem Song spielt den Song sofort"));
        EXPECT_EQ(list->contextMenuPolicy(), Qt::CustomContextMenu);
        EXPECT_TRUE(list->font().bold());
    }
    EXPECT_EQ(d.Label6->text(), QStringLiteral("Hintergrund Musik"));
    EXPECT_EQ(d.Label7->text(), QStringLiteral("Pausen Musik"));
    EXPECT_EQ(d.btnMediaPlayer2Start->toolTip(),
              QStringLiteral("spielt dem im Player markierten Song"));
    EXPECT_EQ(buttonText(d.btnMediaPlayer2PausenMusikStart), colours::kRed);
    EXPECT_TRUE(d.btnMediaPlayer2PausenMusikStart->isEnabled());
    EXPECT_FALSE(d.btnMediaPlayer2PausenMusikStop->isEnabled());
    EXPECT_FALSE(d.btnMediaplayer2Stop->isEnabled());
    for (QFrame* strip : {d.Panel5, d.Panel6, d.Panel7})
        EXPECT_EQ(background(strip), colours::kBlue);
    for (QWidget* hidden :
         {static_cast<QWidget*>(d.ProgressBar1), static_cast<QWidget*>(d.Label8),
          static_cast<QWidget*>(d.ProgressBar2), static_cast<QWidget*>(d.Label10)})
        EXPECT_FALSE(hidden->isVisibleTo(&d));
    for (QLabel* count : {d.Label16, d.Label17}) {
        EXPECT_EQ(count->text(), QStringLiteral("Ges.: 0"));
        EXPECT_EQ(labelText(count), colours::kWhite);
        EXPECT_TRUE(count->alignment() & Qt::AlignRight);
    }
    EXPECT_EQ(d.TrackBarPlayer2->toolTip(),
              QStringLiteral("Lautstärke regeln für Hintergrund- und Pausenmusik"));
    EXPECT_EQ(d.Label5->text(), QStringLiteral("-   Volumen  (Hintergrund- und Pausenmusik) +"));
    // 18 point as designed, made smaller only where the substituted font
    // would cut the caption off.
    EXPECT_LE(d.Label5->font().pointSize(), 18);
    EXPECT_LE(d.Label5->fontMetrics().horizontalAdvance(d.Label5->text()), d.Label5->width());
    for (QSlider* bar : {d.TrackBarPlayer1, d.TrackBarPlayer2}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 1000);
        EXPECT_EQ(bar->tickPosition(), QSlider::TicksBothSides);
        EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    }

    // Timers are set up but idle.
    EXPECT_EQ(d.Timer1->interval(), 500);
    EXPECT_EQ(d.Timer2->interval(), 250);
    EXPECT_FALSE(d.Timer1->isActive());
    EXPECT_FALSE(d.Timer2->isActive());
}

TEST_F(MusikLayoutTest, PopupMenusListTheirItemsInOrder) {
    TfrmMusik& d = makeDesk();
    EXPECT_EQ(
        captions(d.PopupHintergrundMusik),
        (QStringList{
            QStringLiteral(" neue Play List erstellen"), QStringLiteral("an die Play List anfügen"),
            QStringLiteral("Song aus Play List löschen"), QStringLiteral("Playlist mischen"),
            QStringLiteral("Liste speichern unter"), QStringLiteral("Liste laden")}));
    EXPECT_EQ(
        captions(d.PopupMenuPausenMusik),
        (QStringList{
            QStringLiteral(" neue Play List erstellen"), QStringLiteral("an Play List anfügen"),
            QStringLiteral("Song aus Play List loeschen"), QStringLiteral("Playlist mischen"),
            QStringLiteral("Liste speichern unter"), QStringLiteral("Liste laden")}));
    EXPECT_EQ(d.PopupHintergrundMusik->actions().at(3), d.mischen);
    EXPECT_EQ(d.PopupMenuPausenMusik->actions().at(5), d.Listeladen2);
    EXPECT_EQ(d.backgroundList.popup, d.PopupHintergrundMusik);
    EXPECT_EQ(d.breakList.popup, d.PopupMenuPausenMusik);
}

TEST_F(MusikLayoutTest, DialogsAskWithTheirTitlesFiltersAndFolders) {
    TfrmMusik& d = makeDesk();
    for (const FileDialogRequest* cue : {&d.openDialogEroeffnung, &d.OpenDialogEinritt,
                                         &d.openDialogsieger, &d.OpenDialogEhrenrunde}) {
        EXPECT_EQ(cue->title, QStringLiteral("MP3 öffnen"));
        EXPECT_EQ(cue->filter, QStringLiteral("musik (*.mp3)"));
    }
    for (const FileDialogRequest* songs : {&d.OpenDialogHintergrund, &d.OpenDialogPause}) {
        EXPECT_EQ(songs->title, QStringLiteral("Musik auswählen (zur Mehrfachauswahl Strg- oder "
                                               "Shift Taste gedrückt halten)"));
        EXPECT_EQ(songs->filter, QStringLiteral("mp3 (*.mp3)"));
        EXPECT_TRUE(songs->initialFolder.isEmpty());
    }
    EXPECT_EQ(d.SaveDialog1.title,
              QStringLiteral("Liste speichern unter:  Name eingeben ohne Dateiendung"));
    EXPECT_EQ(d.SaveDialog1.filter, QStringLiteral("Musiklisten (*.lst)"));
    EXPECT_EQ(d.SaveDialog1.defaultSuffix, QStringLiteral("lst"));
    EXPECT_EQ(d.SaveDialog1.initialFolder, folder.path());
    EXPECT_TRUE(d.OpenDialog1.title.isEmpty());
    EXPECT_EQ(d.OpenDialog1.filter, QStringLiteral("Musiklisten (*.lst)"));
    EXPECT_EQ(d.OpenDialog1.initialFolder, folder.path());
    EXPECT_EQ(d.backgroundList.songDialog, &d.OpenDialogHintergrund);
    EXPECT_EQ(d.breakList.workingFileField, &d.BreakListFile);
    EXPECT_EQ(d.breakList.workingFileName, QStringLiteral("pausen.ls"));
}

} // namespace
} // namespace trelvan::test
