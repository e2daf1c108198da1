#include "testcaller/MovementStepper.h"

#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/ImageView.h"
#include "platform/IntText.h"
#include "platform/WidgetLook.h"
#include "testcaller/Announcer.h"
#include "testcaller/MovementMedia.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QTextEdit>

namespace trelvan {
namespace {

// Delivers what is pending, so the red lamp is on the screen before an
// announcement blocks the window.
void deliverPendingMessages(QLabel* lamp) {
    lamp->repaint();
    QCoreApplication::processEvents();
}

// The counter is a 32-bit integer that wraps like the original's instead of
// overflowing, whatever number the operator types.
int wrappingAdd(int value, int delta) {
    return static_cast<int>(static_cast<quint32>(value) + static_cast<quint32>(delta));
}

} // namespace

MovementStepper::MovementStepper(const StepperViews& views, const TestSelection& test,
                                 Announcer& announcer)
    : views_(views), test_(test), announcer_(announcer) {}

void MovementStepper::SignalBusy() {
    setBackground(views_.lamp, colours::kRed);
}

void MovementStepper::SignalReady() {
    setBackground(views_.lamp, colours::kActiveCaption);
}

void MovementStepper::PlayMovementMedia(int n) {
    announcer_.playToEnd(MovementMediaPath(test_, n, QStringLiteral(".wav")));
    const QImage picture = loadBitmap(MovementMediaPath(test_, n, QStringLiteral(".bmp")));
    views_.picture->setPicture(picture, lowerLeftColour(picture));
}

void MovementStepper::beginCommand() {
    SignalBusy();
    deliverPendingMessages(views_.lamp);
    MovementCounter = 0;
    PlayMovementMedia(0);
    HighlightMovement();
    SignalReady();
}

void MovementStepper::nextCommand() {
    SignalBusy();
    deliverPendingMessages(views_.lamp);
    MovementCounter = wrappingAdd(MovementCounter, 1);
    if (MovementExists(test_, MovementCounter)) {
        PlayMovementMedia(MovementCounter);
    } else {
        dialogs().message(QStringLiteral("Die Aufgabe ist beendet"), QStringLiteral("Hinweis!!!"),
                          MessageIcon::None, views_.document->window());
        MovementCounter = 0;
    }
    HighlightMovement();
    SignalReady();
}

void MovementStepper::repeatCommand() {
    SignalBusy();
    deliverPendingMessages(views_.lamp);
    if (MovementExists(test_, MovementCounter))
        PlayMovementMedia(MovementCounter);
    HighlightMovement();
    SignalReady();
}

void MovementStepper::prepareRepeatFrom() {
    MovementCounter = wrappingAdd(parseIntegerOr(views_.number->text(), 0), -1);
}

void MovementStepper::HighlightMovement() {
    const int k = wrappingAdd(MovementCounter, 1);
    views_.number->setText(QString::number(k));

    QTextDocument* document = views_.document->document();
    const QString text = document->toPlainText();
    const qsizetype p1 = text.indexOf(views_.number->text() + QLatin1Char('\t'));
    if (p1 >= 0) {
        const qsizetype found =
            text.indexOf(QString::number(wrappingAdd(k, 1)) + QLatin1Char('\t'), p1);
        const qsizetype p2 = found >= 0 ? found : text.size();
        views_.document->setFocus();
        QTextCursor cursor(document);
        cursor.setPosition(int(p1));
        cursor.setPosition(int(p2), QTextCursor::KeepAnchor);
        views_.document->setTextCursor(cursor);
        views_.document->ensureCursorVisible();
    }
    views_.number->setFocus();
    views_.number->selectAll();
}

} // namespace trelvan
