#pragma once

// Small pieces shared by the handlers of the two continuous-sound lists:
// reading and replacing a list's entries, its selection, the working copy the
// list player plays from, and the seed of the shuffle.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class QListWidget;

namespace trelvan {

// All entries of a list, in order.
QStringList listEntries(const QListWidget* list);

// Replaces all entries at once; the list repaints once, not per entry, so
// that lists of many thousand songs fill without delay.
void replaceListEntries(QListWidget* list, const QStringList& entries);

// The row of the selected entry, -1 when no entry is selected.
int selectedIndex(const QListWidget* list);

// Selects the entry at `row` (and makes it the current one); nothing when the
// row is outside the list.
void selectEntry(QListWidget* list, int row);

// Selects the first entry when the list has one.
void selectFirstEntry(QListWidget* list);

// The copy every song that follows automatically is played from:
// program folder + "temp.mp3".
QString listWorkingCopy();

// Replaces the list's working copy by a copy of `source`. An old copy is
// removed first, so that a failed copy can never leave the song before to be
// played again in its place. False when no copy was made.
bool makeListWorkingCopy(const QString& source);

// The seed of the next shuffle: the current time in whole seconds unless a
// test has set another source. An empty function restores the clock.
using ShuffleSeedSource = std::function<quint32()>;
void setShuffleSeedSource(ShuffleSeedSource source);
quint32 nextShuffleSeed();

} // namespace trelvan
