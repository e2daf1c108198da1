// Damaged and hostile documents: the reader keeps what it can read, never
// crashes, and stays linear in time and memory.
#include "RtfTestSupport.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

namespace trelvan::rtf::test {
namespace {

struct HostileCase {
    const char* name;
    QByteArray rtf;
    QString expected;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(RtfHostile, KeepsWhatCanBeRead) {
    EXPECT_EQ(plainTextOf(GetParam().rtf), GetParam().expected);
}

QByteArray repeated(const char* piece, int count) {
    return QByteArray(piece).repeated(count);
}

const HostileCase kTruncated[] = {
    {"inside a group", R"({\rtf1 abc{\b def)", "abcdef"},
    {"after a backslash", R"({\rtf1 ab\)", "ab"},
    {"inside a hex escape", R"({\rtf1 ab\')", "ab"},
    {"after one hex digit", R"({\rtf1 ab\'4)", "ab"},
    {"inside a control word", R"({\rtf1 ab\u)", "ab"},
    {"in binary data", R"({\rtf1 a\bin10 xy)", "a"},
    {"inside a picture", R"({\rtf1 a{\pict\pngblip 89504e)", "a"},
    {"after \\*", R"({\rtf1 a{\*)", "a"},
    {"table without \\row", R"({\rtf1\pard\intbl a\cell b)", "\na\nb\n"},
};
INSTANTIATE_TEST_SUITE_P(Truncated, RtfHostile, ::testing::ValuesIn(kTruncated));

const HostileCase kMalformed[] = {
    {"surplus closing braces", R"({\rtf1 ab}}}cd)", "ab"},
    {"hex escape without digits", R"({\rtf1 a\'zzb})", "azzb"},
    {"negative \\bin", R"({\rtf1 a\bin-5 bc})", "abc"},
    {"\\cell and \\row outside a table", R"({\rtf1 a\row b\cell c})", "ab\n\nc"},
    {"nul and control bytes in text",
     QByteArray("{\\rtf1 a\0\x01\x1f"
                "b}",
                13),
     "ab"},
    {"very long control word", "{\\rtf1 a\\" + repeated("x", 100000) + " b}", "ab"},
};
INSTANTIATE_TEST_SUITE_P(Malformed, RtfHostile, ::testing::ValuesIn(kMalformed));

const HostileCase kHuge[] = {
    {"parameters beyond any range",
     R"({\rtf1\fs99999999999999999999 a\li-99999999999 b\u99999999999 c\uc999999999999\u65 dd})",
     QString::fromUtf16(u"ab\uFFFDA")},
    {"\\bin longer than the file", R"({\rtf1 a\bin99999999999999 bc})", "a"},
    {"nesting deeper than the cap reads no text",
     "{\\rtf1 a" + repeated("{", 100000) + "x" + repeated("}", 100000) + "b}", "ab"},
    {"nesting within the cap reads text",
     "{\\rtf1 a" + repeated("{", 900) + "y" + repeated("}", 900) + "b}", "ayb"},
    {"a million open groups", "{\\rtf1 a" + repeated("{", 1000000), "a"},
};
INSTANTIATE_TEST_SUITE_P(Huge, RtfHostile, ::testing::ValuesIn(kHuge));

TEST(RtfTableLimits, CellsBeyondTheLastColumnStayInIt) {
    QByteArray rtf = "{\\rtf1\\pard\\intbl ";
    for (int cell = 0; cell < 100; ++cell)
        rtf += "c" + QByteArray::number(cell) + "\\cell ";
    rtf += "\\row}";
    QTextDocument document;
    loadDocument(rtf, document);
    auto* table = qobject_cast<QTextTable*>(document.rootFrame()->childFrames().value(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), 64);
    EXPECT_TRUE(document.toPlainText().contains(QStringLiteral("c63\nc64\n")));
    EXPECT_TRUE(document.toPlainText().contains(QStringLiteral("c99\n")));
}

TEST(RtfTableLimits, TableTooLargeForItsFileBecomesTabbedLines) {
    // A short row repeated after a wide one would make a table of millions
    // of empty cells from a file of a few hundred kilobytes.
    QByteArray rtf = "{\\rtf1\\pard\\intbl " + repeated("x\\cell ", 64) + "\\row " +
                     repeated("\\intbl\\cell\\row ", 20000) + "\\pard Ende}";
    QTextDocument document;
    loadDocument(rtf, document);
    EXPECT_TRUE(document.rootFrame()->childFrames().isEmpty());
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("x\tx\tx\t"))) << qPrintable(text.left(40));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Ende")));
}

TEST(RtfLoad, ReplacesTheDocumentsContent) {
    QTextDocument document;
    loadDocument(R"({\rtf1\b fett\par})", document);
    loadDocument("neu", document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("neu"));
    loadDocument(R"({\rtf1 wieder})", document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("wieder"));
    EXPECT_EQ(document.blockCount(), 1);
}

} // namespace
} // namespace trelvan::rtf::test
