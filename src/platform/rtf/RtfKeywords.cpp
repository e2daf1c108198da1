#include "RtfKeywords.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace trelvan::rtf {
namespace {

// Open addressing with a short hash: a document has a control word every few
// bytes, and std::unordered_map's hashing was a tenth of the load time.
class KeywordTable {
public:
    void insert(std::string_view word, Keyword keyword) {
        std::size_t slot = hash(word) & kMask;
        while (slots_[slot].length != 0 && slots_[slot].word != word)
            slot = (slot + 1) & kMask;
        slots_[slot] = Slot{word, word.size(), word.front(), keyword};
    }

    Keyword find(std::string_view word) const {
        std::size_t slot = hash(word) & kMask;
        while (slots_[slot].length != 0) {
            const Slot& candidate = slots_[slot];
            if (candidate.length == word.size() && candidate.first == word.front() &&
                candidate.word == word)
                return candidate.keyword;
            slot = (slot + 1) & kMask;
        }
        return {};
    }

private:
    static constexpr std::size_t kSize = 1024; // well over twice the words
    static constexpr std::size_t kMask = kSize - 1;
    struct Slot {
        std::string_view word;
        std::size_t length = 0; // 0: free
        char first = 0;
        Keyword keyword;
    };

    static std::size_t hash(std::string_view word) {
        std::uint32_t h = 2166136261u; // FNV-1a
        for (char c : word)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return (h * 0x9E3779B1u) >> 22; // the top 10 bits spread best
    }

    std::array<Slot, kSize> slots_{};
};

using Map = KeywordTable;

Map buildKeywords() {
    Map map;
    auto add = [&map](std::initializer_list<std::string_view> words, Action action, int value = 0) {
        for (std::string_view word : words)
            map.insert(word, Keyword{action, value});
    };

    add({"fonttbl"}, Action::DestFontTable);
    add({"colortbl"}, Action::DestColorTable);
    add({"pict"}, Action::DestPicture);
    add({"fldrslt", "pntext", "listtext", "result", "ud", "shprslt", "shppict"}, Action::DestBody);
    add({"object", "upr", "shp"}, Action::DestContainer);
    // Destinations a reader of the document's body never shows. Those written
    // with \* are skipped anyway; this list holds the ones that may come
    // without it.
    add({"stylesheet",
         "info",
         "header",
         "headerl",
         "headerr",
         "headerf",
         "footer",
         "footerl",
         "footerr",
         "footerf",
         "footnote",
         "listtable",
         "listoverridetable",
         "pn",
         "pnseclvl",
         "pntxta",
         "pntxtb",
         "revtbl",
         "rsidtbl",
         "generator",
         "xmlnstbl",
         "fldinst",
         "objdata",
         "objclass",
         "objname",
         "datafield",
         "bkmkstart",
         "bkmkend",
         "txe",
         "xe",
         "tc",
         "tcn",
         "rxe",
         "atnid",
         "atnauthor",
         "annotation",
         "atrfstart",
         "atrfend",
         "atnref",
         "atndate",
         "atnicn",
         "private",
         "userprops",
         "docvar",
         "ftnsep",
         "ftnsepc",
         "ftncn",
         "aftnsep",
         "aftnsepc",
         "aftncn",
         "nonshppict",
         "shpinst",
         "sp",
         "sn",
         "sv",
         "listpicture",
         "themedata",
         "colorschememapping",
         "latentstyles",
         "datastore",
         "filetbl",
         "template",
         "author",
         "operator",
         "title",
         "subject",
         "keywords",
         "comment",
         "doccomm",
         "company",
         "category",
         "manager",
         "hlinkbase",
         "creatim",
         "revtim",
         "printim",
         "buptim",
         "mmathPr",
         "pgdsctbl",
         "fchars",
         "lchars",
         "background",
         "nesttableprops",
         "nonesttables",
         "blipuid",
         "picprop",
         "defchp",
         "defpap",
         "wgrffmtfilter",
         "pgptbl",
         "protusertbl",
         "passwordhash",
         "formfield",
         "ffname",
         "ffdeftext",
         "ffformat",
         "ffhelptext",
         "ffstattext",
         "ffentrymcr",
         "ffexitmcr",
         "fname",
         "falt",
         "panose",
         "keycode",
         "pxe",
         "listname"},
        Action::DestSkip);

    add({"ansi"}, Action::CodePage, 1252);
    add({"mac"}, Action::CodePage, 10000);
    add({"pc"}, Action::CodePage, 437);
    add({"pca"}, Action::CodePage, 850);
    add({"ansicpg"}, Action::AnsiCodePage);
    add({"deff"}, Action::DefaultFont);
    add({"deftab"}, Action::DefaultTab);
    add({"uc"}, Action::UnicodeSkip);
    add({"u"}, Action::Unicode);

    add({"tab"}, Action::Character, '\t');
    add({"line"}, Action::Character, 0x2028);
    add({"emdash"}, Action::Character, 0x2014);
    add({"endash"}, Action::Character, 0x2013);
    add({"emspace"}, Action::Character, 0x2003);
    add({"enspace"}, Action::Character, 0x2002);
    add({"qmspace"}, Action::Character, 0x2005);
    add({"bullet"}, Action::Character, 0x2022);
    add({"lquote"}, Action::Character, 0x2018);
    add({"rquote"}, Action::Character, 0x2019);
    add({"ldblquote"}, Action::Character, 0x201C);
    add({"rdblquote"}, Action::Character, 0x201D);
    add({"zwj"}, Action::Character, 0x200D);
    add({"zwnj"}, Action::Character, 0x200C);
    add({"zwbo"}, Action::Character, 0x200B);
    add({"ltrmark"}, Action::Character, 0x200E);
    add({"rtlmark"}, Action::Character, 0x200F);
    add({"par", "page", "sect"}, Action::Paragraph);
    add({"cell"}, Action::Cell);
    add({"row"}, Action::Row);
    add({"nestcell"}, Action::NestedCell);
    add({"nestrow"}, Action::NestedRow);

    add({"plain"}, Action::Plain);
    add({"b"}, Action::Bold);
    add({"i"}, Action::Italic);
    add({"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
         "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
         "ulwave"},
        Action::Underline);
    add({"ulnone"}, Action::UnderlineNone);
    add({"strike", "striked"}, Action::Strike);
    add({"v"}, Action::Hidden);
    add({"f"}, Action::Font);
    add({"fs"}, Action::FontSize);
    add({"cf"}, Action::Foreground);
    add({"cb", "chcbpat"}, Action::Background);
    add({"highlight"}, Action::Highlight);
    add({"super"}, Action::Superscript);
    add({"sub"}, Action::Subscript);
    add({"nosupersub"}, Action::NoSuperSub);

    add({"pard"}, Action::ParagraphDefaults);
    add({"ql"}, Action::Alignment, 0);
    add({"qr"}, Action::Alignment, 1);
    add({"qc"}, Action::Alignment, 2);
    add({"qj", "qd"}, Action::Alignment, 3);
    add({"li"}, Action::LeftIndent);
    add({"ri"}, Action::RightIndent);
    add({"fi"}, Action::FirstIndent);
    add({"sb"}, Action::SpaceBefore);
    add({"sa"}, Action::SpaceAfter);
    add({"sl"}, Action::LineSpacing);
    add({"slmult"}, Action::LineMultiple);
    add({"tx"}, Action::TabPosition);
    add({"tqr"}, Action::TabKind, 1);
    add({"tqc"}, Action::TabKind, 2);
    add({"tqdec"}, Action::TabKind, 3);
    add({"tb"}, Action::BarTab);
    add({"intbl"}, Action::InTable);
    add({"itap"}, Action::TableLevel);

    add({"trowd"}, Action::RowDefaults);
    add({"cellx"}, Action::CellRightEdge);

    add({"fcharset"}, Action::FontCharset);
    add({"cpg"}, Action::FontCodePage);
    add({"fswiss"}, Action::FontFamily, 0);  // QFont::SansSerif
    add({"froman"}, Action::FontFamily, 1);  // QFont::Serif
    add({"fmodern"}, Action::FontFamily, 2); // QFont::TypeWriter
    add({"fdecor"}, Action::FontFamily, 3);  // QFont::Decorative
    add({"fscript"}, Action::FontFamily, 6); // QFont::Cursive
    add({"fnil", "ftech", "fbidi"}, Action::FontFamily, 5);

    add({"red"}, Action::Red);
    add({"green"}, Action::Green);
    add({"blue"}, Action::Blue);

    add({"pngblip"}, Action::PictureKind, 1);
    add({"jpegblip"}, Action::PictureKind, 2);
    add({"emfblip", "wmetafile", "macpict", "dibitmap", "wbitmap", "pmmetafile"},
        Action::PictureKind, 0);
    add({"picw"}, Action::PictureWidth);
    add({"pich"}, Action::PictureHeight);
    add({"picwgoal"}, Action::PictureGoalWidth);
    add({"pichgoal"}, Action::PictureGoalHeight);
    add({"picscalex"}, Action::PictureScaleX);
    add({"picscaley"}, Action::PictureScaleY);
    add({"bin"}, Action::Binary);
    return map;
}

} // namespace

Keyword lookupKeyword(std::string_view word) {
    static const Map keywords = buildKeywords();
    if (word.empty() || word.size() > 32) // no keyword is longer
        return {};
    return keywords.find(word);
}

} // namespace trelvan::rtf
