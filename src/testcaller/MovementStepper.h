#pragma once

#include "testcaller/TestSelection.h"

#include <QString>

class QLabel;
class QLineEdit;
class QTextEdit;

namespace trelvan {

class Announcer;
class ImageView;

// The controls of the main window that stepping through a test works on.
struct StepperViews {
    QTextEdit* document = nullptr; // the test document; its selection is the highlight
    QLineEdit* number = nullptr;   // the movement number field
    QLabel* lamp = nullptr;        // red while a command runs
    ImageView* picture = nullptr;  // the movement's picture over the arena plan
};

// Calls a test movement by movement: the begin, next, repeat and repeat-from
// commands with their announcement, picture and highlight.
class MovementStepper {
public:
    MovementStepper(const StepperViews& views, const TestSelection& test, Announcer& announcer);

    // The media number played last.
    int MovementCounter = 0;

    void beginCommand();
    void nextCommand();
    void repeatCommand();
    // Sets the counter before the number typed into the field; the window then
    // performs the next command through its button.
    void prepareRepeatFrom();

    // Plays media n's announcement to its end, then shows its picture.
    void PlayMovementMedia(int n);
    // Highlights movement MovementCounter + 1 and shows its number.
    void HighlightMovement();
    void SignalBusy();
    void SignalReady();

private:
    StepperViews views_;
    const TestSelection& test_;
    Announcer& announcer_;
};

} // namespace trelvan
