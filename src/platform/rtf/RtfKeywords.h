#pragma once

// The control words that the reader acts on. Every other word is ignored.

#include <cstdint>
#include <string_view>

namespace trelvan::rtf {

enum class Action : std::uint8_t {
    Ignore,
    // destinations
    DestSkip, // never shown: tables, document info, headers, footnotes ...
    DestBody, // shown as body text: field results, list numbers ...
    DestFontTable,
    DestColorTable,
    DestPicture,
    DestContainer, // text dropped, but a \result-like part in it is shown
    // document
    CodePage, // \ansi, \mac, \pc, \pca: value is the code page
    AnsiCodePage,
    DefaultFont,
    DefaultTab,
    UnicodeSkip,
    Unicode,
    // text
    Character, // value is the UTF-16 character
    Paragraph,
    Cell,
    Row,
    NestedCell,
    NestedRow,
    // character properties
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Font,
    FontSize,
    Foreground,
    Background,
    Highlight,
    Superscript,
    Subscript,
    NoSuperSub,
    // paragraph properties
    ParagraphDefaults,
    Alignment, // value 0 left, 1 right, 2 centre, 3 justified
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    TabPosition,
    TabKind, // value 1 right, 2 centre, 3 decimal
    BarTab,
    InTable,
    TableLevel,
    // table rows
    RowDefaults,
    CellRightEdge,
    // font table
    FontCharset,
    FontCodePage,
    FontFamily, // value is a QFont::StyleHint
    // colour table
    Red,
    Green,
    Blue,
    // pictures
    PictureKind, // value 1 PNG, 2 JPEG, 0 another format
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    Binary,
};

struct Keyword {
    Action action = Action::Ignore;
    int value = 0;
};

Keyword lookupKeyword(std::string_view word);

inline bool isDestination(Action action) {
    return action >= Action::DestSkip && action <= Action::DestContainer;
}

} // namespace trelvan::rtf
