#pragma once

#include "platform/Dialogs.h"

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace trelvan {

// The widgets of one show cue. The four cues share one player and one set of
// handlers; each handler is told which cue by one of these.
struct CueControls {
    int index = 0;                // 0 opening, 1 entry, 2 winner, 3 lap of honour
    QFrame* framePanel = nullptr; // blue, red while the cue plays; holds bar and time
    QFrame* controlsPanel = nullptr;
    QLabel* title = nullptr;
    QLineEdit* edit = nullptr; // shows the file name of the chosen file
    QToolButton* choose = nullptr;
    QPushButton* play = nullptr;
    QPushButton* stop = nullptr;
    QLabel* time = nullptr;
    QProgressBar* progress = nullptr;
    FileDialogRequest* dialog = nullptr;
};

inline constexpr int kCueCount = 4;

// The working copy a cue is played from: "xc1.mp3" .. "xc4.mp3" in the
// program folder, so that the operator's file is never held open.
QString cueWorkingCopy(int cueIndex);

// Replaces the cue's working copy by a copy of `source`. An old copy is
// removed first, so that a failed copy can never leave an older song behind
// to be played in its place. False when no copy was made.
bool makeCueWorkingCopy(const QString& source, int cueIndex);

// Removes all four working copies; missing ones are fine.
void deleteCueWorkingCopies();

} // namespace trelvan
