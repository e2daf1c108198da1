#pragma once

#include <QString>
#include <optional>

namespace trelvan {

// Reads an integer the way the original class library did: leading blanks, an
// optional sign, decimal digits or hexadecimal ones after "$", "0x" or "0X".
// Anything else (trailing characters, empty text, out of 32-bit range) is no
// integer.
std::optional<int> parseInteger(const QString& text);

inline int parseIntegerOr(const QString& text, int fallback) {
    return parseInteger(text).value_or(fallback);
}

} // namespace trelvan
