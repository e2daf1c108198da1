#include "music/ListRules.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <vector>

namespace trelvan {
namespace {

// The entries still to be placed, in their original order, so that the j-th
// remaining one is found in O(log n): one bit per entry, and a Fenwick tree of
// the number of bits per 64-bit word. The tree stays small enough for the
// first-level cache; it is padded to a power of two with empty words, so the
// descent needs no bounds check.
class RemainingEntries {
public:
    explicit RemainingEntries(qsizetype count) {
        const qsizetype words = (count + 63) / 64;
        bits_.assign(std::size_t(words), ~quint64(0));
        if (count % 64 != 0)
            bits_.back() = (quint64(1) << (count % 64)) - 1;
        while (top_ < words)
            top_ *= 2;
        tree_.assign(std::size_t(top_) + 1, 0);
        for (qsizetype i = 1; i <= top_; ++i) {
            // Node i counts the bits of words (i - lowbit(i), i], 1-based.
            for (qsizetype w = i - (i & -i); w < std::min(i, words); ++w)
                tree_[std::size_t(i)] += std::popcount(bits_[std::size_t(w)]);
        }
    }

    // Index (0-based, original order) of the j-th remaining entry; removes it.
    // A node that the descent does not skip covers the entry found, so it is
    // counted down on the way: one pass instead of a search and an update.
    qsizetype take(qsizetype j) {
        int* tree = tree_.data();
        qsizetype word = 0;
        int rest = int(j) + 1;
        for (qsizetype step = top_; step > 0; step /= 2) {
            const qsizetype node = word + step;
            const int below = tree[node];
            const bool skip = below < rest;
            word = skip ? node : word;
            rest -= skip ? below : 0;
            tree[node] -= skip ? 0 : 1;
        }
        quint64& bits = bits_[std::size_t(word)];
        quint64 left = bits;
        for (int i = 1; i < rest; ++i)
            left &= left - 1; // drop the lowest set bit
        const int bit = std::countr_zero(left);
        bits &= ~(quint64(1) << bit);
        return word * 64 + bit;
    }

private:
    std::vector<quint64> bits_;
    std::vector<int> tree_;
    qsizetype top_ = 1;
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
    // Draw all positions first, then move the entries in one tight loop: the
    // moves jump around in memory and overlap better without the tree walk
    // between them.
    std::vector<qsizetype> source(std::size_t(n), 0);
    for (qsizetype k = n; k >= 1; --k)
        source[std::size_t(k - 1)] = remaining.take(qsizetype(random.next() % quint32(k)));
    QStringList shuffled(n);
    QString* from = entries.data();
    QString* to = shuffled.data();
    for (qsizetype i = 0; i < n; ++i)
        to[i].swap(from[source[std::size_t(i)]]);
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
