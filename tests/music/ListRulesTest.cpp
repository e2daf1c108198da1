#include "music/ListRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace trelvan {
namespace {

TEST(ListRulesTest, SongCountText) {
    const std::pair<int, const char*> cases[] = {{0, "0 Songs"},
                                                 {1, "1 Songs"},
                                                 {12, "12 Songs"},
                                                 {-3, "-3 Songs"},
                                                 {100000, "100000 Songs"}};
    for (const auto& [count, text] : cases)
        EXPECT_EQ(songCountText(count), text) << count;
}

TEST(ListRulesTest, RemainingTimeText) {
    struct Case {
        qint64 length;
        qint64 position;
        const char* text;
    };
    const Case cases[] = {
        {185432, 12000, "2:53 min."}, {185432, 0, "3:05 min."},    {185432, 185432, "0:00 min."},
        {600000, 0, "10:00 min."},    {59999, 0, "0:59 min."},     {65000, 0, "1:05 min."},
        {2999, 1001, "0:01 min."}, // whole seconds of each, not of the difference
        {3178, 3239, "0:00 min."}, // played past an underestimated length
        {0, 0, "0:00 min."},          {7200000, 0, "120:00 min."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(remainingTimeText(c.length, c.position), c.text) << c.length << " " << c.position;
}

QStringList numbered(int n) {
    QStringList list;
    for (int i = 0; i < n; ++i)
        list.append(QString::number(i));
    return list;
}

// The shuffle taken literally: entry by entry, with the same draws.
QStringList shuffledOneByOne(QStringList entries, quint32 seed) {
    ShuffleRandom random(seed);
    const qsizetype n = entries.size();
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype k = n - i;
        entries.move(qsizetype(random.next() % quint32(k)), k - 1);
    }
    return entries;
}

TEST(ListRulesTest, ShuffleMovesEntriesExactlyLikeOneByOne) {
    for (int n : {0, 1, 2, 3, 7, 64, 65, 257, 1000}) {
        for (quint32 seed : {0u, 1u, 1700000000u, 0xFFFFFFFFu}) {
            QStringList list = numbered(n);
            shuffleEntries(list, seed);
            EXPECT_EQ(list, shuffledOneByOne(numbered(n), seed)) << n << " " << seed;
            QStringList sorted = list;
            std::sort(sorted.begin(), sorted.end());
            QStringList expected = numbered(n);
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(sorted, expected) << "not a permutation";
        }
    }
}

TEST(ListRulesTest, ShuffleIsDeterministicPerSeedAndReachesEveryOrder) {
    QStringList a = numbered(20), b = numbered(20), c = numbered(20);
    shuffleEntries(a, 42);
    shuffleEntries(b, 42);
    shuffleEntries(c, 43);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);

    std::set<QString> orders;
    for (quint32 seed = 1700000000; seed < 1700000200; ++seed) {
        QStringList three{"a", "b", "c"};
        shuffleEntries(three, seed);
        orders.insert(three.join(QString()));
    }
    EXPECT_EQ(orders.size(), 6u);
}

TEST(ListRulesTest, DropWithinExchangesWithEntryUnderMouse) {
    struct Case {
        const char* name;
        int start;
        std::optional<int> target;
        QStringList after;
        DropResult result;
    };
    const QStringList five{"0", "1", "2", "3", "4"};
    const Case cases[] = {
        {"0 onto 3", 0, 3, {"3", "1", "2", "0", "4"}, {true, 3}},
        {"3 onto 0", 3, 0, {"3", "1", "2", "0", "4"}, {true, 0}},
        {"below last exchanges with last", 1, std::nullopt, {"0", "4", "2", "3", "1"}, {true, 4}},
        {"last below last", 4, std::nullopt, five, {}},
        {"onto itself", 2, 2, five, {}},
        {"no selection at drag start", -1, 2, five, {}},
        {"stale start index", 7, 2, five, {}},
        {"stale target index", 1, 9, five, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList list = five;
        const DropResult result = dropWithin(list, c.start, c.target);
        EXPECT_EQ(list, c.after);
        EXPECT_EQ(result.changed, c.result.changed);
        if (c.result.changed) {
            EXPECT_EQ(result.selectIndex, c.result.selectIndex);
        }
    }
    QStringList empty;
    EXPECT_FALSE(dropWithin(empty, -1, std::nullopt).changed);
}

TEST(ListRulesTest, DropCopyInsertsOrAppendsACopy) {
    struct Case {
        const char* name;
        QStringList target;
        int start;
        std::optional<int> at;
        QStringList after;
        DropResult result;
    };
    const QStringList abc{"a", "b", "c"};
    const QStringList source{"x", "y", "z"};
    const Case cases[] = {
        {"onto entry 0", abc, 2, 0, {"z", "a", "b", "c"}, {true, 0}},
        {"onto entry 2", abc, 0, 2, {"a", "b", "x", "c"}, {true, 2}},
        {"below last appends", abc, 1, std::nullopt, {"a", "b", "c", "y"}, {true, 3}},
        {"into empty list", {}, 1, std::nullopt, {"y"}, {true, 0}},
        {"no selection at drag start", abc, -1, 1, abc, {}},
        {"stale start index", abc, 3, 1, abc, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList target = c.target;
        const DropResult result = dropCopy(target, source, c.start, c.at);
        EXPECT_EQ(target, c.after);
        EXPECT_EQ(result.changed, c.result.changed);
        if (c.result.changed) {
            EXPECT_EQ(result.selectIndex, c.result.selectIndex);
        }
    }
}

} // namespace
} // namespace trelvan
