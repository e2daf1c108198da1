// Test documents as different writers save them: every movement's number
// followed by a tab must stand at the start of its paragraph in the plain
// text, at the same position in the document, and nowhere before.
#include "RtfTestSupport.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace trelvan::rtf::test {
namespace {

struct DocumentCase {
    const char* file;
    QString title;
    QStringList movementLines; // movement n is line n - 1
};

void PrintTo(const DocumentCase& c, std::ostream* os) {
    *os << c.file;
}

QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

class RtfTestDocument : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(RtfTestDocument, EveryMovementStartsWithItsNumberAndTab) {
    const DocumentCase& c = GetParam();
    const QByteArray bytes = fixture(QString::fromUtf8(c.file));
    ASSERT_FALSE(bytes.isEmpty()) << "fixture missing: " << c.file;
    ASSERT_TRUE(looksLikeRtf(bytes));

    QTextDocument document;
    loadDocument(bytes, document);
    const QString text = document.toPlainText();
    ASSERT_EQ(text.size(), document.characterCount() - 1);

    const qsizetype titleAt = text.indexOf(c.title);
    ASSERT_GE(titleAt, 0) << qPrintable(text);
    for (int n = 1; n <= c.movementLines.size(); ++n) {
        const QString needle = QString::number(n) + QLatin1Char('\t');
        const qsizetype at = text.indexOf(needle);
        ASSERT_GT(at, titleAt) << "movement " << n << " in:\n" << qPrintable(text);
        EXPECT_EQ(document.findBlock(int(at)).position(), at) << "movement " << n;
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), at);
        EXPECT_EQ(text.mid(at, lineEnd - at), c.movementLines[n - 1]) << "movement " << n;
    }
}

const DocumentCase kDocuments[] = {
    {"wordpad.rtf",
     u(u"Dressurreiterprüfung Klasse A"),
     {u(u"1\tA\tEinreiten im Arbeitstrab"), u(u"2\tC\tRechte Hand"),
      u(u"3\tM-X-K\tDurch die ganze Bahn wechseln, dabei Tritte verlängern"),
      u(u"4\tK-A\tArbeitstrab"), u(u"5\tA\tAuf dem Zirkel geritten"),
      u(u"6\t\tAuf dem Zirkel: Übergang zum Mittelschritt"),
      u(u"7\tF-X-H\tDurch die ganze Bahn wechseln, Mittelschritt"), u(u"8\tH\tArbeitstrab"),
      u(u"9\tC\tArbeitsgalopp links"),
      u(u"10\tE\tZirkel geritten, die Zügel aus der Hand kauen lassen"),
      u(u"11\tK-X-M\tDurch die ganze Bahn wechseln, Arbeitstrab"),
      u(u"12\tA\tAuf der Mittellinie, X Halten – Grüßen")}},
    // Header, footer and footnote hold "1\t", "2\t", "3\t" and hidden text
    // "4\t": none of them may come before the movements.
    {"word.rtf",
     u(u"Dressurprüfung Kl. L – Aufgabe L 1"),
     {u(u"1\tA\tEinreiten im Arbeitstrab\t10"), u(u"2\tC\tLinke Hand\t10"),
      u(u"3\tH-X-F\tMitteltrab, „Zulegen“ erkennbar\t10"), u(u"4\tF-A\tArbeitstrab\t10"),
      u(u"5\tA\tVolte 10 m\t10"), u(u"6\tG\tHalten – Grüßen\t10")}},
    {"libreoffice.rtf",
     u(u"Reiterwettbewerb – Aufgabe E 2"),
     {u(u"1\tA\tEinreiten im Arbeitstrab, X Halten, Grüßen"), u(u"2\tC\tLinke Hand, Arbeitstrab"),
      u(u"3\tE\tZirkel geritten, leichttraben"),
      u(u"4\tA\tMittelschritt (\u201Eam langen Zügel\u201C)"), u(u"5\tX\tHalten – Grüßen")}},
    // Saved by LibreOffice Writer itself (the demo's test, opened and saved
    // again), with its own font table, styles and paragraph properties.
    {"libreoffice-saved.rtf",
     u(u"Dressurreiterprüfung Kl. E – Aufgabe E5"),
     {u(u"1\tA\tEinreiten im Arbeitstrab"), u(u"2\tC\tLinke Hand"), u(u"3\tA\tZirkel geritten"),
      u(u"4\t\tAuf dem Zirkel die Zügel aus der Hand kauen lassen"), u(u"5\tA-K\tArbeitstrab"),
      u(u"6\tzw. M und C\tÜbergang zum Mittelschritt"), u(u"7\tF\tÜbergang zum Arbeitstrab"),
      u(u"8\tA\tZirkel geritten"), u(u"9\tC\tGanze Bahn"),
      u(u"10\tA\tIm Arbeitsgalopp links angaloppieren, Zirkel geritten"),
      u(u"11\tA-F-B\tGanze Bahn"), u(u"12\tH-E-K\tMittelschritt")}},
};
INSTANTIATE_TEST_SUITE_P(Writers, RtfTestDocument, ::testing::ValuesIn(kDocuments));

TEST(RtfTestDocumentContent, WordDocumentKeepsListBulletsFieldsAndTable) {
    QTextDocument document;
    loadDocument(fixture(QStringLiteral("word.rtf")), document);
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains(u(u"·\tVorgestellt auf Trense oder Kandare\n"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(u(u"Richtverfahren siehe LPO\n")));
    EXPECT_TRUE(text.contains(u(u"\tX\tHalten – Grüßen\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("Turnier")));
    EXPECT_FALSE(text.contains(QStringLiteral("Fu")) && text.contains(QStringLiteral("note")));
    EXPECT_FALSE(text.contains(QStringLiteral("verborgen")));
    EXPECT_FALSE(text.contains(QStringLiteral("Normal")));
    EXPECT_TRUE(text.contains(QStringLiteral("Sitz und Einwirkung")));
}

} // namespace
} // namespace trelvan::rtf::test
