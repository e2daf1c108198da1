#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace trelvan {

// The song count under a list: "<count> Songs", no singular form.
QString songCountText(int count);

// The remaining time of a track, "m:ss min.": whole seconds of the length
// minus whole seconds of the position (each truncated), minutes unpadded.
// A position past the length (a stream whose length was underestimated) shows
// "0:00 min." rather than a negative time.
QString remainingTimeText(qint64 lengthMs, qint64 positionMs);

// The small pseudo-random generator of the shuffle (splitmix64, upper half of
// each value): cheap, and well mixed even for neighbouring seeds such as the
// seconds of consecutive shuffles.
class ShuffleRandom {
public:
    explicit ShuffleRandom(quint32 seed) : state_(seed) {}
    quint32 next();

private:
    quint64 state_;
};

// Shuffles the list: for i = 0 .. n-1, with k = n - i, the entry at j = next() % k
// among the first k entries is moved to index k - 1 (the entries after it move
// up one place). The generator is seeded with `seed`; the music desk passes
// the current time in whole seconds. Gives the same order as moving the
// entries one by one, but in O(n log n), so that long lists shuffle at once.
void shuffleEntries(QStringList& entries, quint32 seed);

// The outcome of a drop on a list.
struct DropResult {
    bool changed = false;
    int selectIndex = -1; // the entry to select when changed
};

// A drop within one list: the dragged entry at `dragStartIndex` trades places
// with the entry under the mouse (`targetIndex`, none below the last entry:
// then the last one). Nothing happens when the drag began without a selected
// entry (negative start), on the entry itself, or when an index lies outside
// the list.
DropResult dropWithin(QStringList& list, int dragStartIndex, std::optional<int> targetIndex);

// A drop from the other list: a copy of `source`'s entry at `dragStartIndex`
// is inserted at `targetIndex`, or appended when there is no entry under the
// mouse. The source keeps its entry. Nothing happens for a negative or stale
// start index.
DropResult dropCopy(QStringList& target, const QStringList& source, int dragStartIndex,
                    std::optional<int> targetIndex);

} // namespace trelvan
