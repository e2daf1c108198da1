#include "app/Info.h"

#include "app/ArenaPlan.h"
#include "platform/Colours.h"
#include "platform/WidgetLook.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace trelvan {

TfrmInfo* frmInfo = nullptr;

namespace {

QLabel* label(QWidget* parent, int left, int top, const QString& text) {
    auto* created = new QLabel(text, parent);
    created->move(left, top);
    created->adjustSize();
    return created;
}

// The keyboard commands of the test caller, for the operator at a glance.
constexpr const char* kKeyLines[] = {
    "Enter – Aufgabe beginnen",
    "Leertaste – nächste Lektion",
    "Strg+Leer, F2 – wiederholen",
    "F1 – ab Nummer im Feld",
};

} // namespace

TfrmInfo::TfrmInfo(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(298, 213);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setBackground(this, colours::kActiveCaption);
    setTextColour(this, colours::kWindowText);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 281, 161);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    QPalette panelPalette = Panel1->palette();
    panelPalette.setColor(QPalette::Window, colours::kBlue);
    Panel1->setPalette(panelPalette);
    Panel1->setAutoFillBackground(true);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(18, 10, 32, 32);
    ProgramIcon->setPixmap(QPixmap::fromImage(drawProgramIcon()));
    ProgramIcon->setAlignment(Qt::AlignCenter);

    ProductName = label(Panel1, 96, 37, QStringLiteral("Trelvan- Control"));
    QFont productFont(QStringLiteral("Arial"), 14);
    productFont.setBold(true);
    ProductName->setFont(productFont);
    ProductName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProductName->adjustSize();
    ProductName->resize(ProductName->width(), 21);

    Version = label(Panel1, 96, 58, QStringLiteral("Version: 1.0"));

    // White on the blue panel, so the lines can be read.
    int top = 84;
    for (const char* line : kKeyLines) {
        QLabel* keys = label(Panel1, 96, top, QString::fromUtf8(line));
        QPalette white = keys->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        keys->setPalette(white);
        top += 16;
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmInfo::showEvent(QShowEvent* event) {
    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace trelvan
