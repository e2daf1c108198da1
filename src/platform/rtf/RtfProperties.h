#pragma once

// The character and paragraph properties of an RTF group and their
// translation into Qt text formats.

#include <QColor>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <array>
#include <cstdint>
#include <vector>

namespace trelvan::rtf {

struct CharProps {
    int font = -1;            // number in the font table, -1 none
    int halfPoints = 24;      // \fs
    int foreground = 0;       // \cf, index in the colour table, 0 automatic
    int background = 0;       // \cb or \highlight, 0 none
    std::int8_t vertical = 0; // 1 superscript, -1 subscript
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false; // \v: text that a reader does not show
    bool operator==(const CharProps&) const = default;
};

struct TabStop {
    int twips = 0;
    std::uint8_t kind = 0; // 0 left, 1 right, 2 centre, 3 decimal
    bool operator==(const TabStop&) const = default;
};

struct ParaProps {
    static constexpr int kMaxTabs = 32;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: >0 at least, <0 exactly, 0 single
    bool lineMultiple = false;
    std::uint8_t alignment = 0; // 0 left, 1 right, 2 centre, 3 justified
    bool inTable = false;
    std::uint8_t pendingTabKind = 0; // \tqr, \tqc, \tqdec wait for their \tx
    std::uint8_t tabCount = 0;
    std::array<TabStop, kMaxTabs> tabs{};
    bool operator==(const ParaProps&) const = default;
};

struct FontEntry {
    QString family;
    int codePage = 0;           // 0: the document's
    std::uint8_t styleHint = 5; // QFont::StyleHint, AnyStyle
};

// Lengths in the view: twips at 96 pixels per inch.
inline double twipsToPixels(double twips) {
    return twips * 96.0 / 1440.0;
}

// Clamps twips parameters to a range that any page could hold (22 inches).
int clampTwips(int twips);

QTextBlockFormat blockFormat(const ParaProps& props);

// `font` may be null (no font table entry); colour index 0 is automatic.
QTextCharFormat charFormat(const CharProps& props, const FontEntry* font,
                           const std::vector<QColor>& colours);

} // namespace trelvan::rtf
