// Formatting that reaches the document: character and paragraph formats,
// tab stops, tables and pictures.
#include "RtfTestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <gtest/gtest.h>

namespace trelvan::rtf::test {
namespace {

// The character format of the character at `position` (0-based).
QTextCharFormat formatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

QTextBlock blockStartingWith(const QTextDocument& document, const QString& prefix) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text().startsWith(prefix))
            return block;
    return {};
}

TEST(RtfFormat, CharacterFormatsArrive) {
    QTextDocument document;
    loadDocument(
        R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f1\fs28\b Titel\b0\par\plain N{\i I}{\ul U}{\strike S}{\cf1 R}{\highlight2 H}x\super 2\nosupersub\par})",
        document);
    const QString text = document.toPlainText();
    ASSERT_EQ(text, QStringLiteral("Titel\nNIUSRHx2\n"));

    const QTextCharFormat title = formatAt(document, 0);
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 14.0);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});

    // \plain goes back to the default font \deff (0 when not given) at 12 points.
    const QTextCharFormat normal = formatAt(document, int(text.indexOf(u'N')));
    EXPECT_EQ(normal.fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(normal.fontPointSize(), 12.0);
    EXPECT_EQ(normal.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_FALSE(normal.fontItalic());

    EXPECT_TRUE(formatAt(document, int(text.indexOf(u'I'))).fontItalic());
    EXPECT_TRUE(formatAt(document, int(text.indexOf(u'U'))).fontUnderline());
    EXPECT_TRUE(formatAt(document, int(text.indexOf(u'S'))).fontStrikeOut());
    EXPECT_EQ(formatAt(document, int(text.indexOf(u'R'))).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(document, int(text.indexOf(u'H'))).background().color(), QColor(0, 0, 255));
    EXPECT_FALSE(formatAt(document, int(text.indexOf(u'x'))).fontItalic()); // group ended
    EXPECT_EQ(formatAt(document, int(text.indexOf(u'2'))).verticalAlignment(),
              QTextCharFormat::AlignSuperScript);
}

TEST(RtfFormat, ParagraphFormatsAndTabStopsArrive) {
    QTextDocument document;
    loadDocument(R"({\rtf1\deftab709\pard\qc\li1440\ri720\fi-360\sb240\sa120 Mitte\par)"
                 R"(\pard\tx567\tqr\tx5670\tx2835\sl-360 1\tab A\tab 10\par)"
                 R"(\pard\qr\sl360\slmult1 Rechts\par\pard\qj Block\par Links\par})",
                 document);

    const QTextBlockFormat centre =
        blockStartingWith(document, QStringLiteral("Mitte")).blockFormat();
    EXPECT_EQ(centre.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(centre.leftMargin(), 96.0); // 1440 twips = 1 inch = 96 px
    EXPECT_DOUBLE_EQ(centre.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(centre.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(centre.topMargin(), 16.0);
    EXPECT_DOUBLE_EQ(centre.bottomMargin(), 8.0);

    // Tab stops in ascending order whatever order the writer gave them in.
    const QTextBlockFormat movement =
        blockStartingWith(document, QStringLiteral("1\t")).blockFormat();
    const QList<QTextOption::Tab> tabs = movement.tabPositions();
    ASSERT_EQ(tabs.size(), 3);
    EXPECT_DOUBLE_EQ(tabs[0].position, 37.8);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
    EXPECT_DOUBLE_EQ(tabs[1].position, 189.0);
    EXPECT_DOUBLE_EQ(tabs[2].position, 378.0);
    EXPECT_EQ(tabs[2].type, QTextOption::RightTab);
    EXPECT_EQ(movement.lineHeightType(), int(QTextBlockFormat::FixedHeight));
    EXPECT_DOUBLE_EQ(movement.lineHeight(), 24.0);
    EXPECT_EQ(movement.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft); // \pard reset

    const QTextBlockFormat right =
        blockStartingWith(document, QStringLiteral("Rechts")).blockFormat();
    EXPECT_EQ(right.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(right.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    EXPECT_DOUBLE_EQ(right.lineHeight(), 150.0);
    EXPECT_EQ(blockStartingWith(document, QStringLiteral("Block")).blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
    // Properties of a paragraph stay for the next until \pard.
    EXPECT_EQ(blockStartingWith(document, QStringLiteral("Links")).blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);

    EXPECT_NEAR(document.defaultTextOption().tabStopDistance(), 709 / 15.0, 1e-9);
}

TEST(RtfFormat, ParagraphTakesThePropertiesInForceAtItsEnd) {
    QTextDocument document;
    loadDocument(R"({\rtf1 Text\qc\par})", document);
    EXPECT_EQ(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST(RtfFormat, TableRowsBecomeOneTable) {
    QTextDocument document;
    loadDocument(R"({\rtf1 Vorher\par\trowd\cellx1440\cellx4320\pard\intbl 1\cell A\par B\cell\row)"
                 R"(\trowd\cellx1440\cellx4320\pard\intbl 2\cell\cell\row\pard Nachher\par})",
                 document);
    const QList<QTextFrame*> frames = document.rootFrame()->childFrames();
    ASSERT_EQ(frames.size(), 1);
    auto* table = qobject_cast<QTextTable*>(frames.first());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    auto cellText = [table](int row, int column) {
        QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
        cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(),
                           QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    EXPECT_EQ(cellText(0, 0), QStringLiteral("1"));
    EXPECT_EQ(cellText(0, 1), QStringLiteral("A") + QChar(QChar::ParagraphSeparator) + "B");
    EXPECT_EQ(cellText(1, 0), QStringLiteral("2"));
    EXPECT_EQ(cellText(1, 1), QString());
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_DOUBLE_EQ(widths[0].rawValue(), 96.0);
    EXPECT_DOUBLE_EQ(widths[1].rawValue(), 192.0);

    const QString text = document.toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Vorher\n"))) << qPrintable(text);
    EXPECT_TRUE(text.endsWith(QStringLiteral("Nachher\n"))) << qPrintable(text);
}

TEST(RtfFormat, LargeTableIsReadInLinearTime) {
    // Growing a QTextTable row by row takes seconds for a few thousand rows.
    QByteArray rtf = "{\\rtf1\\trowd\\cellx1000\\cellx2000";
    for (int row = 0; row < 5000; ++row)
        rtf += "\\pard\\intbl " + QByteArray::number(row) + "\\cell Lektion\\cell\\row\n";
    rtf += "}";
    QTextDocument document;
    loadDocument(rtf, document);
    auto* table = qobject_cast<QTextTable*>(document.rootFrame()->childFrames().value(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 5000);
}

QByteArray pictureRtf(const QByteArray& format, const QByteArray& keyword) {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format.constData());
    return "{\\rtf1 a{\\*\\shppict{\\pict\\" + keyword +
           "\\picw4\\pich2\\picwgoal1440\\pichgoal720\n" + data.toHex() +
           "}}{\\nonshppict{\\pict\\wmetafile8 0102}}b}";
}

TEST(RtfFormat, PngAndJpegPicturesAreShownAtTheirGoalSize) {
    for (const auto& [format, keyword] :
         {std::pair<QByteArray, QByteArray>{"PNG", "pngblip"}, {"JPEG", "jpegblip"}}) {
        SCOPED_TRACE(format.constData());
        QTextDocument document;
        loadDocument(pictureRtf(format, keyword), document);
        EXPECT_EQ(document.toPlainText(),
                  QStringLiteral("a") + QChar(QChar::ObjectReplacementCharacter) + "b");
        const QTextCharFormat character = formatAt(document, 1);
        ASSERT_TRUE(character.isImageFormat());
        const QTextImageFormat image = character.toImageFormat();
        EXPECT_DOUBLE_EQ(image.width(), 96.0);
        EXPECT_DOUBLE_EQ(image.height(), 48.0);
        const QVariant resource =
            document.resource(QTextDocument::ImageResource, QUrl(image.name()));
        EXPECT_EQ(resource.value<QImage>().size(), QSize(4, 2));
    }
}

TEST(RtfFormat, BrokenPictureIsLeftOut) {
    QByteArray rtf = pictureRtf("PNG", "pngblip");
    rtf.replace("89504e47", "00504e47"); // no PNG signature any more
    EXPECT_EQ(plainTextOf(rtf), QStringLiteral("ab"));
}

} // namespace
} // namespace trelvan::rtf::test
