// What text the reader makes of small RTF snippets: escapes, code pages,
// Unicode, special characters and the destinations that are not body text.
#include "RtfTestSupport.h"

#include <gtest/gtest.h>

namespace trelvan::rtf::test {
namespace {

struct TextCase {
    const char* name;
    QByteArray rtf;
    QString expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfText, GivesExpectedPlainText) {
    EXPECT_EQ(plainTextOf(GetParam().rtf), GetParam().expected);
}

QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

const TextCase kSyntax[] = {
    {"plain run", R"({\rtf1 Hallo Welt})", "Hallo Welt"},
    {"space after control word is its delimiter", R"({\rtf1\b fett\b0  normal})", "fett normal"},
    {"escaped braces and backslash", R"({\rtf1 a\{b\}c\\d})", "a{b}c\\d"},
    {"line ends in the file are no text", "{\\rtf1 ab\r\ncd\n}", "abcd"},
    {"backslash before a line end is a paragraph", "{\\rtf1 a\\\nb}", "a\nb"},
    {"groups only scope properties", R"({\rtf1 a{b{c}}d})", "abcd"},
    {"tab, line, paragraph, page and section", R"({\rtf1 1\tab A\line B\par C\page D\sect E})",
     "1\tA\nB\nC\nD\nE"},
    {"tab character in the file is a tab", "{\\rtf1 1\tA}", "1\tA"},
    {"unknown control words are ignored", R"({\rtf1\xyz123 a\foo-5 b})", "ab"},
    {"negative parameter is no text", R"({\rtf1\li-360 x})", "x"},
};
INSTANTIATE_TEST_SUITE_P(Syntax, RtfText, ::testing::ValuesIn(kSyntax));

const TextCase kCharacters[] = {
    {"hex in default code page 1252", R"({\rtf1\ansi Gr\'fc\'dfe \'80})", u(u"Grüße €")},
    {"hex in code page 1250", R"({\rtf1\ansi\ansicpg1250 \'9a\'e8\'b9})", u(u"ščą")},
    {"hex in code page 1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", u(u"Привет")},
    {"font character set wins over the document's code page",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1 \'e8\f0 \'e8})",
     u(u"čè")},
    {"unicode with one fallback character", R"({\rtf1\uc1 \u220?bung \u252\'fc})", u(u"Übung ü")},
    {"negative unicode parameter", R"({\rtf1\u-1279?})", u(u"\uFB01")},
    {"\\uc2 skips two, hex counts one each", R"({\rtf1\uc2\u8364\'80\'80 Euro})", u(u"€ Euro")},
    {"\\uc0 skips nothing", R"({\rtf1\uc0\u8364 x})", u(u"€x")},
    {"\\uc belongs to its group", R"({\rtf1\uc1{\uc2\u228 ??}\u246?})", u(u"äö")},
    {"fallback skip stops at a group end", R"({\rtf1{\uc3\u228 a}bc})", u(u"äbc")},
    {"fallback skip counts a control word as one", R"({\rtf1\uc1\u228\tab x})", u(u"äx")},
    {"surrogate pair", R"({\rtf1\uc1\u-10179?\u-8704?})", u(u"\U0001F600")},
    {"lone surrogate is replaced", R"({\rtf1\uc1\u-10179?x})", u(u"\uFFFDx")},
    {"special characters",
     R"({\rtf1 a\~b\_c\emdash\endash\bullet\lquote x\rquote\ldblquote y\rdblquote})",
     u(u"a b\u2011c—–•‘x’“y”")},
    {"optional hyphen", R"({\rtf1 Trab\-verst\'e4rkung})", u(u"Trab\u00ADverstärkung")},
    {"control characters in hex are dropped", R"({\rtf1 a\'00\'0d\'1fb})", "ab"},
};
INSTANTIATE_TEST_SUITE_P(Characters, RtfText, ::testing::ValuesIn(kCharacters));

const TextCase kDestinations[] = {
    {"tables of fonts, colours and styles, document info",
     R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}}{\info{\title 1\tab T}}Text})",
     "Text"},
    {"unknown \\* destination", R"({\rtf1 a{\*\foo 1\tab x{\b y}}b})", "ab"},
    {"known property after \\* still skips the group", R"({\rtf1 a{\*\b 1\tab}b})", "ab"},
    {"headers, footers and footnotes",
     R"({\rtf1{\header 1\tab Kopf\par}{\footerl 2\tab Fu\'df}a{\footnote 3\tab Note}b})", "ab"},
    {"field shows its result",
     R"({\rtf1{\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt Link}} da})", "Link da"},
    {"list numbers as written, list tables skipped",
     R"({\rtf1{\*\listtable{\list{\listlevel{\leveltext\'02\'00.;}}}}{\pntext\f1 \'b7\tab}{\*\pn\pnlvlblt{\pntxtb \'b7}}Punkt\par{\listtext 2.\tab}Zwei})",
     u(u"·\tPunkt\n2.\tZwei")},
    {"hidden text", R"({\rtf1 a{\v 5\tab verborgen}b\v c\v0 d})", "abd"},
    {"object shows its result only",
     R"({\rtf1{\object\objemb{\*\objclass Paint}{\*\objdata 0102}{\result Ergebnis}}})",
     "Ergebnis"},
    {"Unicode part of \\upr", R"({\rtf1{\upr{Gr\'fc\'dfe}{\*\ud{Gr\u252?\u223?e}}}})", u(u"Grüße")},
    {"\\bin passes over braces by count", R"({\rtf1 a{\*\foo\bin5 {}{}}}b})", "ab"},
    {"\\bin in the body", R"({\rtf1 a\bin3 xyzb})", "ab"},
    {"picture other than PNG or JPEG", R"({\rtf1 a{\pict\wmetafile8\picw10 0102}b})", "ab"},
    {"fallback picture for old readers", R"({\rtf1 a{\nonshppict{\pict\wmetafile8 01}}b})", "ab"},
    {"shape text left, its result shown",
     R"({\rtf1{\shp{\*\shpinst{\sp{\sn x}{\sv 1}}}{\shprslt R}}})", "R"},
    {"text after the document's group", R"({\rtf1 ab}cd)", "ab"},
};
INSTANTIATE_TEST_SUITE_P(Destinations, RtfText, ::testing::ValuesIn(kDestinations));

const TextCase kPlainText[] = {
    {"UTF-8 text file",
     "Gr\xC3\xBC\xC3\x9F"
     "e\n1\tA",
     u(u"Grüße\n1\tA")},
    {"UTF-8 with byte order mark",
     "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
     "e",
     u(u"Grüße")},
    {"Windows-1252 text file",
     "Gr\xFC\xDF"
     "e \x80",
     u(u"Grüße €")},
    {"CR LF and CR line ends", "a\r\nb\rc", "a\nb\nc"},
    {"RTF keyword later in the file is still text", "x{\\rtf1 a}", "x{\\rtf1 a}"},
    {"RTF after byte order mark and white space", "\xEF\xBB\xBF \r\n{\\rtf1 a}", "a"},
};
INSTANTIATE_TEST_SUITE_P(PlainText, RtfText, ::testing::ValuesIn(kPlainText));

TEST(RtfDetection, AcceptsOnlyRtfStarts) {
    EXPECT_TRUE(looksLikeRtf("{\\rtf1\\ansi x}"));
    EXPECT_TRUE(looksLikeRtf("\xEF\xBB\xBF\r\n\t {\\rtf"));
    EXPECT_FALSE(looksLikeRtf(""));
    EXPECT_FALSE(looksLikeRtf("{\\rt"));
    EXPECT_FALSE(looksLikeRtf("{\\RTF1 x}"));
    EXPECT_FALSE(looksLikeRtf("x{\\rtf1}"));
}

} // namespace
} // namespace trelvan::rtf::test
