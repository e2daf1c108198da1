#include "music/ListRules.h"

#include <utility>
#include <vector>

namespace trelvan {
namespace {

// The entries still to be placed, in their original order, with a Fenwick tree
// of "still there" flags, so the j-th remaining one is found in O(log n).
class RemainingEntries {
public:
    explicit RemainingEntries(qsizetype count) : tree_(std::size_t(count) + 1) {
        for (qsizetype i = 1; i <= count; ++i)
            tree_[std::size_t(i)] = int(i & -i); // every flag set
        top_ = 1;
        while (top_ * 2 <= count)
            top_ *= 2;
    }

    // Index (0-based, original order) of the j-th remaining entry; removes it.
    qsizetype take(qsizetype j) {
        qsizetype position = 0;
        qsizetype rest = j + 1;
        const qsizetype size = qsizetype(tree_.size()) - 1;
        for (qsizetype step = top_; step > 0; step /= 2) {
            if (position + step <= size && tree_[std::size_t(position + step)] < rest) {
                position += step;
                rest -= tree_[std::size_t(position)];
            }
        }
        for (qsizetype i = position + 1; i <= size; i += i & -i)
            --tree_[std::size_t(i)];
        return position;
    }

private:
    std::vector<int> tree_;
    qsizetype top_ = 0;
};

} // namespace

QString songCountText(int count) {
    return QString::number(count) + QStringLiteral(" Songs");
}

QString remainingTimeText(qint64 lengthMs, qint64 positionMs) {
    qint64 remaining = lengthMs / 1000 - positionMs / 1000;
    if (remaining < 0)
        remaining = 0;
    return QStringLiteral("%1:%2 min.")
        .arg(remaining / 60)
        .arg(remaining % 60, 2, 10, QLatin1Char('0'));
}

quint32 ShuffleRandom::next() {
    state_ += 0x9E3779B97F4A7C15ull;
    quint64 z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return quint32((z ^ (z >> 31)) >> 32);
}

// Moving the j-th of the first k entries to index k - 1 never changes the
// order of the others, so the entries not yet moved always stand in their
// original order: step i just picks the j-th of them for index k - 1.
void shuffleEntries(QStringList& entries, quint32 seed) {
    const qsizetype n = entries.size();
    if (n < 2)
        return;
    ShuffleRandom random(seed);
    RemainingEntries remaining(n);
    QStringList shuffled(n);
    for (qsizetype k = n; k >= 1; --k) {
        const qsizetype j = qsizetype(random.next() % quint32(k));
        shuffled[k - 1] = std::move(entries[remaining.take(j)]);
    }
    entries = std::move(shuffled);
}

DropResult dropWithin(QStringList& list, int dragStartIndex, std::optional<int> targetIndex) {
    const int target = targetIndex.value_or(int(list.size()) - 1);
    if (dragStartIndex < 0 || dragStartIndex >= list.size() || target < 0 ||
        target >= list.size() || dragStartIndex == target)
        return {};
    list.swapItemsAt(dragStartIndex, target);
    return {true, target};
}

DropResult dropCopy(QStringList& target, const QStringList& source, int dragStartIndex,
                    std::optional<int> targetIndex) {
    if (dragStartIndex < 0 || dragStartIndex >= source.size())
        return {};
    const QString text = source.at(dragStartIndex);
    if (targetIndex && *targetIndex >= 0 && *targetIndex <= target.size()) {
        target.insert(*targetIndex, text);
        return {true, *targetIndex};
    }
    target.append(text);
    return {true, int(target.size()) - 1};
}

} // namespace trelvan
