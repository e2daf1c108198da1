#include "FakeDialogs.h"
#include "TempProgramFolder.h"
#include "app/Info.h"
#include "app/Main.h"
#include "app/Scaling.h"
#include "music/Musik.h"
#include "platform/Colours.h"
#include "platform/Screen.h"
#include "testcaller/Announcer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace trelvan;
using namespace trelvan::test;

namespace {

class CountingAnnouncer final : public Announcer {
public:
    QStringList played;
    void playToEnd(const QString& path) override { played << path.section('/', -1); }
};

// A program folder with test G/T: a plain-text document and pictures 0 to 3.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { setScreenHeightOverride(800); }
    void TearDown() override {
        window.reset();
        setScreenHeightOverride(0);
    }

    void chooseTest() {
        folder.write("trelvan-control.INI",
                     "[Einstellungen]\r\naAufgabePath=G\\T\\\r\naAufgabe=T\r\n");
        folder.write("G/T/T.rtf", "Titel\n1\tEinreiten\n2\tHalten\n3\tGrüßen\n");
        for (int n = 0; n <= 3; ++n) {
            QImage picture(2, 2, QImage::Format_RGB32);
            picture.fill(Qt::white);
            picture.save(folder.file(QString("G/T/%1.bmp").arg(n)), "BMP");
        }
    }

    void create() { window = std::make_unique<TfrmMain>(announcer); }

    void release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                 bool autoRepeat = false) {
        QKeyEvent event(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(window->edtNrLektion, &event);
    }

    TempProgramFolder folder;
    FakeDialogs dialogs;
    CountingAnnouncer announcer;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(MainWindow, LayoutAndCaptions) {
    chooseTest();
    create();
    EXPECT_EQ(window->windowTitle(), "Trelvan-Control");
    EXPECT_EQ(window->btnAufgabeBegin->text(), "Aufgabe beginn (Enter)");
    EXPECT_EQ(window->btnNaechesteL->text(), "nächste Lektion (Leertaste)");
    EXPECT_EQ(window->btnWiederholen->text(),
              "&wiederhole letzte Lektion (Strg + Leertaste\n oder F2)");
    EXPECT_EQ(window->btnWiederholenAb->text(), "wiederholen ab &Lektion: (F1)");
    EXPECT_EQ(window->btnWiederholenAb->geometry(), QRect(352, 400, 217, 41));
    EXPECT_EQ(window->RichEdit1->geometry(), QRect(603, 0, 558, 675));
    EXPECT_EQ(window->edtNrLektion->text(), "0");
    EXPECT_TRUE(window->RichEdit1->isReadOnly());
    EXPECT_EQ(window->btnNaechesteL->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(window->Label1->palette().color(QPalette::Window), colours::kActiveCaption);
    EXPECT_EQ(window->Beenden1->text(), "&Beenden");
    EXPECT_EQ(window->Aufgabe1->text(), "Aufgabe");
    EXPECT_EQ(window->Musik1->text(), "Musik");
    EXPECT_EQ(window->Info1->text(), "Info");
    EXPECT_TRUE(window->windowState().testFlag(Qt::WindowMaximized));
    // The highlight stays visible without the focus.
    EXPECT_EQ(window->RichEdit1->palette().color(QPalette::Inactive, QPalette::Highlight),
              window->RichEdit1->palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(MainWindow, ScalesByTheScreenHeight) {
    struct Case {
        int height;
        QRect button;
        int buttonPoints;
    };
    const Case cases[] = {
        {800, QRect(352, 224, 249, 41), 9},
        {1024, QRect(451, 287, 318, 52), 12},
        {768, QRect(338, 215, 239, 39), 9},
    };
    chooseTest();
    for (const Case& c : cases) {
        setScreenHeightOverride(c.height);
        TfrmMain scaled(announcer);
        EXPECT_EQ(scaled.btnAufgabeBegin->geometry(), c.button) << c.height;
        EXPECT_EQ(scaled.btnAufgabeBegin->font().pointSize(), c.buttonPoints) << c.height;
        // Edges scale, not sizes: the number field keeps overlapping its
        // button by exactly the design's one pixel.
        EXPECT_EQ(scaled.btnWiederholenAb->geometry().right(), scaled.edtNrLektion->x())
            << c.height;
    }
}

TEST_F(MainWindow, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(scaleRounded(5, 1, 2), 3);
    EXPECT_EQ(scaleRounded(-5, 1, 2), -3);
    EXPECT_EQ(scaleRounded(4, 1, 2), 2);
    EXPECT_EQ(scaleRectByScreen(QRect(-4, -4, 10, 10), 1200), QRect(-6, -6, 15, 15));
}

TEST_F(MainWindow, DocumentViewIsCutAtTheRightEdgeOfANarrowWindow) {
    chooseTest();
    setScreenHeightOverride(1024);
    create();
    window->setWindowState(Qt::WindowNoState);
    window->resize(1280, 990);
    window->show();
    QApplication::processEvents();
    const int clientWidth = window->client->width();
    EXPECT_EQ(window->RichEdit1->geometry().right() + 1, clientWidth);
    EXPECT_EQ(window->RichEdit1->x(), 772) << "its position stays as scaled";
    // A wide window gets the full scaled width back.
    window->resize(1900, 990);
    QApplication::processEvents();
    EXPECT_EQ(window->RichEdit1->width(), 714);
}

TEST_F(MainWindow, StartWithoutSettingsReportsNoTestOnce) {
    create();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Keine Aufgabe gewählt!");
    EXPECT_EQ(dialogs.messages[0].caption, "Information");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(window->RichEdit1->toPlainText().isEmpty());
    EXPECT_EQ(window->TestFolderPath, "");
}

TEST_F(MainWindow, LoadsTheChosenTestsDocument) {
    chooseTest();
    create();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->TestFolderPath, "G/T/") << "a stored Windows path keeps its test";
    EXPECT_EQ(window->TestName, "T");
    EXPECT_TRUE(window->RichEdit1->toPlainText().contains("1\tEinreiten"));
    EXPECT_TRUE(window->RichEdit1->toPlainText().contains("Grüßen"));
}

TEST_F(MainWindow, KeysGiveCommandsOnRelease) {
    chooseTest();
    create();
    window->show();
    release(Qt::Key_Return);
    EXPECT_EQ(announcer.played, QStringList{"0.wav"});
    // A held Space: auto-repeated releases, then the real one: one step.
    for (int i = 0; i < 5; ++i)
        release(Qt::Key_Space, Qt::NoModifier, true);
    release(Qt::Key_Space);
    EXPECT_EQ(announcer.played, (QStringList{"0.wav", "1.wav"}));
    release(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(announcer.played.last(), "2.wav") << "Shift+Space steps on";
    release(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(announcer.played.last(), "2.wav") << "Ctrl+Space repeats";
    release(Qt::Key_F2);
    EXPECT_EQ(announcer.played.last(), "2.wav");
    EXPECT_EQ(announcer.played.size(), 5);
    release(Qt::Key_A, Qt::ControlModifier);
    release(Qt::Key_X);
    EXPECT_EQ(announcer.played.size(), 5) << "other keys give nothing";

    window->edtNrLektion->setText("1");
    release(Qt::Key_F1);
    EXPECT_EQ(announcer.played.last(), "1.wav");
    EXPECT_EQ(window->edtNrLektion->text(), "2");
    EXPECT_EQ(window->movementCounter(), 1);
}

TEST_F(MainWindow, ButtonsAndMnemonicsGiveTheSameCommands) {
    chooseTest();
    create();
    window->btnNaechesteL->click();
    window->btnWiederholen->click();
    window->edtNrLektion->setText("3");
    window->btnWiederholenAb->click();
    EXPECT_EQ(announcer.played, (QStringList{"1.wav", "1.wav", "3.wav"}));
}

TEST_F(MainWindow, MusicMenuShowsTheDeskWithItsCaption) {
    create();
    TfrmMusik desk;
    frmMusik = &desk;
    window->Musik1->trigger();
    EXPECT_TRUE(desk.isVisible());
    EXPECT_EQ(desk.windowTitle(), "Trelvan-MP3 Player");
    frmMusik = nullptr;
}

TEST(AboutBox, LayoutAndOk) {
    TfrmInfo info;
    EXPECT_EQ(info.windowTitle(), "Info");
    EXPECT_EQ(info.size(), QSize(298, 213));
    EXPECT_EQ(info.ProductName->text(), "Trelvan- Control");
    EXPECT_EQ(info.Version->text(), "Version: 1.0");
    EXPECT_EQ(info.OKButton->geometry(), QRect(111, 180, 75, 25));
    EXPECT_TRUE(info.OKButton->isDefault());
    info.show();
    info.OKButton->click();
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(info.result(), QDialog::Accepted);
}

} // namespace
