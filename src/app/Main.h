#pragma once

#include "testcaller/MovementStepper.h"
#include "testcaller/TestSelection.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTextEdit;
class QToolButton;

namespace trelvan {

class Announcer;
class ImageView;
class KeyPreview;

// The main window: the arena plan, the four command buttons with the movement
// number field, the test document, and the menu.
class TfrmMain : public QMainWindow, public TestHost {
    Q_OBJECT
public:
    // `announcer` plays the announcements (the sound output unless a test
    // gives another one).
    explicit TfrmMain(Announcer& announcer);
    ~TfrmMain() override;

    // The program folder and the chosen test; the test chooser writes them.
    TestSelection test;
    QString& ExeFolder = test.ExeFolder;
    QString& TestFolderPath = test.TestFolderPath;
    QString& TestName = test.TestName;

    TestSelection& chosenTest() override { return test; }
    void LoadTestDocument() override;

    int movementCounter() const { return stepper_->MovementCounter; }

    // Components.
    QWidget* client = nullptr;
    ImageView* Image1 = nullptr;
    ImageView* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* btnAufgabeBegin = nullptr;
    QToolButton* btnNaechesteL = nullptr;
    QToolButton* btnWiederholen = nullptr;
    QToolButton* btnWiederholenAb = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QLineEdit* edtNrLektion = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Datei1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QAction* Aufgabe1 = nullptr;
    QAction* Musik1 = nullptr;
    QAction* Info1 = nullptr;

    // The key handler: gives the command of a released key and sets `key` to 0
    // so that the focused control does not receive the release.
    void FormKeyUp(int& key, Qt::KeyboardModifiers modifiers);

    // The document view's design width after scaling; it is cut where the
    // window is narrower.
    int documentDesignWidth() const { return documentScaledWidth_; }

public slots:
    void btnAufgabeAnfangClick();
    void btnNaechesteLClick();
    void btnWiederholenClick();
    void btnWiederholenAbClick();
    void Beenden1Click();
    void Aufgabe1Click();
    void Musik1Click();
    void Info1Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createComponents();
    void createMenu();
    void FormCreate();
    void fitDocumentViewIntoWindow();

    std::unique_ptr<MovementStepper> stepper_;
    std::unique_ptr<KeyPreview> keyPreview_;
    int documentScaledWidth_ = 0;
};

extern TfrmMain* frmMain;

} // namespace trelvan
