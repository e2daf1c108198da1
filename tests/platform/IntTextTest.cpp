#include "platform/IntText.h"
#include "platform/ErrorBox.h"

#include <gtest/gtest.h>

using namespace trelvan;

TEST(IntText, ReadsLikeTheClassLibrary) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"  7", 7},
        {"-3", -3},
        {"+5", 5},
        {"$1F", 31},
        {"0x3E8", 1000},
        {"0X3e8", 1000},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"5 ", std::nullopt},
        {"1.5", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$G", std::nullopt},
        {"$100000000", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseInteger(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(ErrorBox, AppendsFullStopOnlyAfterCharactersBeyondIt) {
    EXPECT_EQ(errorBoxText(QStringLiteral("Bitmap ist ungültig")),
              QStringLiteral("Bitmap ist ungültig."));
    EXPECT_EQ(errorBoxText(QStringLiteral("Fehler 12")), QStringLiteral("Fehler 12."));
    EXPECT_EQ(errorBoxText(QStringLiteral("Achtung!")), QStringLiteral("Achtung!"));
    EXPECT_EQ(errorBoxText(QStringLiteral("Ende.")), QStringLiteral("Ende."));
    EXPECT_EQ(errorBoxText(QStringLiteral("Pfad /")), QStringLiteral("Pfad /."));
    EXPECT_EQ(errorBoxText(QString()), QString());
}
