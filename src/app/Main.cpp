#include "app/Main.h"

#include "app/ArenaPlan.h"
#include "app/Info.h"
#include "app/Scaling.h"
#include "music/Musik.h"
#include "platform/Colours.h"
#include "platform/ErrorBox.h"
#include "platform/ImageView.h"
#include "platform/ProgramFolder.h"
#include "platform/Screen.h"
#include "platform/WidgetLook.h"
#include "settings/Settings.h"
#include "testcaller/Aufgabe.h"
#include "testcaller/KeyCommands.h"
#include "testcaller/TestDocument.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

namespace trelvan {

TfrmMain* frmMain = nullptr;

namespace {

// The document view never gets narrower than this when the window is cut.
constexpr int kMinimumDocumentWidth = 200;

QFont designFont(const char* family, int pointSize, bool bold = false, bool underline = false) {
    QFont font(QString::fromLatin1(family), pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QToolButton* speedButton(QWidget* parent, const QRect& bounds, const QString& caption,
                         const QFont& font) {
    auto* button = new QToolButton(parent);
    button->setGeometry(bounds);
    button->setText(caption);
    button->setFont(font);
    // Speed buttons never take the focus away from the number field.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

} // namespace

TfrmMain::TfrmMain(Announcer& announcer) {
    // 1. The window and its components with their design layout.
    setWindowTitle(kApplicationTitle);
    setGeometry(-4, -4, 1288, 780);
    createComponents();
    createMenu();

    // 2. The repeat button's caption, on two lines.
    btnWiederholen->setText(
        QStringLiteral("&wiederhole letzte Lektion (Strg + Leertaste\n oder F2)"));

    // 3. to 4. The counter, and the arena plan with white drawn transparently.
    stepper_ = std::make_unique<MovementStepper>(
        StepperViews{RichEdit1, edtNrLektion, Label1, Image2}, test, announcer);
    stepper_->MovementCounter = 0;
    Image2->setPicture(drawArenaPlan(), qRgb(255, 255, 255));

    // 5. to 6. The program folder and the chosen test.
    ExeFolder = programFolder();
    const ChosenTest chosen = readChosenTest();
    TestFolderPath = chosen.testFolderPath;
    TestName = chosen.testName;

    // 7. The chosen test's document.
    if (!ExeFolder.isEmpty())
        LoadTestDocument();

    keyPreview_ = std::make_unique<KeyPreview>(
        this, [this](int& key, Qt::KeyboardModifiers modifiers) { FormKeyUp(key, modifiers); });
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::createComponents() {
    client = new QWidget(this);
    setCentralWidget(client);
    setBackground(client, colours::kActiveCaption);
    client->setFont(designFont("MS Sans Serif", 8));

    Image1 = new ImageView(client);
    Image1->setGeometry(0, 8, 350, 650);
    Image1->setPicture(drawArenaPlan(), std::nullopt);

    Image2 = new ImageView(client);
    Image2->setGeometry(0, 8, 349, 649);

    Label1 = new QLabel(client);
    Label1->setGeometry(423, 144, 97, 49);
    setBackground(Label1, colours::kActiveCaption);

    const QFont buttonFont = designFont("MS Sans Serif", 9, true, true);
    btnAufgabeBegin = speedButton(client, QRect(352, 224, 249, 41),
                                  QStringLiteral("Aufgabe beginn (Enter)"), buttonFont);
    btnNaechesteL = speedButton(client, QRect(352, 288, 249, 41),
                                QStringLiteral("nächste Lektion (Leertaste)"), buttonFont);
    btnWiederholen = speedButton(client, QRect(352, 344, 249, 49), QStringLiteral("btnWiederholen"),
                                 designFont("Arial", 9, true, true));
    btnWiederholenAb = speedButton(client, QRect(352, 400, 217, 41),
                                   QStringLiteral("wiederholen ab &Lektion: (F1)"), buttonFont);
    connect(btnAufgabeBegin, &QToolButton::clicked, this, &TfrmMain::btnAufgabeAnfangClick);
    connect(btnNaechesteL, &QToolButton::clicked, this, &TfrmMain::btnNaechesteLClick);
    connect(btnWiederholen, &QToolButton::clicked, this, &TfrmMain::btnWiederholenClick);
    connect(btnWiederholenAb, &QToolButton::clicked, this, &TfrmMain::btnWiederholenAbClick);

    RichEdit1 = new QTextEdit(client);
    RichEdit1->setGeometry(603, 0, 558, 675);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFocusPolicy(Qt::ClickFocus); // no tab stop
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(designFont("Arial", 10));
    RichEdit1->setAcceptRichText(true);
    // The highlight stays visible while the view has no focus.
    QPalette documentPalette = RichEdit1->palette();
    documentPalette.setColor(QPalette::Inactive, QPalette::Highlight, colours::kHighlight);
    documentPalette.setColor(QPalette::Active, QPalette::Highlight, colours::kHighlight);
    documentPalette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    documentPalette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
    RichEdit1->setPalette(documentPalette);

    edtNrLektion = new QLineEdit(client);
    edtNrLektion->setGeometry(568, 405, 33, 30);
    edtNrLektion->setText(QStringLiteral("0"));
    edtNrLektion->setFont(designFont("Arial", 14, true));

    setTabOrder(RichEdit1, edtNrLektion);
}

void TfrmMain::createMenu() {
    MainMenu1 = menuBar();
    Datei1 = MainMenu1->addMenu(QStringLiteral("Datei"));
    Beenden1 = Datei1->addAction(QStringLiteral("&Beenden"));
    Einstellungen1 = MainMenu1->addMenu(QStringLiteral("Einstellungen"));
    Aufgabe1 = Einstellungen1->addAction(QStringLiteral("Aufgabe"));
    Musik1 = MainMenu1->addAction(QStringLiteral("Musik"));
    Info1 = MainMenu1->addAction(QStringLiteral("Info"));
    connect(Beenden1, &QAction::triggered, this, &TfrmMain::Beenden1Click);
    connect(Aufgabe1, &QAction::triggered, this, &TfrmMain::Aufgabe1Click);
    connect(Musik1, &QAction::triggered, this, &TfrmMain::Musik1Click);
    connect(Info1, &QAction::triggered, this, &TfrmMain::Info1Click);
}

void TfrmMain::FormCreate() {
    scaleContentsByScreen(client, screenHeight());
    documentScaledWidth_ = RichEdit1->width();
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::LoadTestDocument() {
    loadTestDocumentInto(test, RichEdit1);
}

void TfrmMain::FormKeyUp(int& key, Qt::KeyboardModifiers modifiers) {
    switch (commandForReleasedKey(key, modifiers)) {
    case StepCommand::Begin:
        btnAufgabeBegin->click();
        break;
    case StepCommand::Next:
        btnNaechesteL->click();
        break;
    case StepCommand::Repeat:
        btnWiederholen->click();
        break;
    case StepCommand::RepeatFrom:
        btnWiederholenAb->click();
        break;
    case StepCommand::None:
        break;
    }
    key = 0;
}

void TfrmMain::btnAufgabeAnfangClick() {
    runHandler([this] { stepper_->beginCommand(); });
}

void TfrmMain::btnNaechesteLClick() {
    runHandler([this] { stepper_->nextCommand(); });
}

void TfrmMain::btnWiederholenClick() {
    runHandler([this] { stepper_->repeatCommand(); });
}

void TfrmMain::btnWiederholenAbClick() {
    runHandler([this] {
        stepper_->prepareRepeatFrom();
        btnNaechesteL->click();
    });
}

void TfrmMain::Beenden1Click() {
    close();
}

void TfrmMain::Aufgabe1Click() {
    runHandler([] { frmAufgabe->exec(); });
}

void TfrmMain::Musik1Click() {
    runHandler([] {
        frmMusik->show();
        frmMusik->raise();
        frmMusik->activateWindow();
        frmMusik->setWindowTitle(QStringLiteral("Trelvan-MP3 Player"));
    });
}

void TfrmMain::Info1Click() {
    runHandler([] { frmInfo->exec(); });
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fitDocumentViewIntoWindow();
}

// On screens wider than 5:4 the scaled layout fits; on narrower ones the
// document view would reach past the window's right edge and hide its scroll
// bar, so it is cut to end at that edge.
void TfrmMain::fitDocumentViewIntoWindow() {
    if (!RichEdit1 || documentScaledWidth_ == 0)
        return;
    const int available = client->width() - RichEdit1->x();
    const int width = std::min(documentScaledWidth_, std::max(available, kMinimumDocumentWidth));
    if (width != RichEdit1->width())
        RichEdit1->resize(width, RichEdit1->height());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program, whatever else is open.
    QCoreApplication::quit();
}

} // namespace trelvan
