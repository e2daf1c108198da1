#include "platform/IntText.h"

#include <cstdint>

namespace trelvan {
namespace {

// The value of an ASCII digit in the given base, or -1.
int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<int> parseInteger(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == QLatin1Char('$')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;

    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const int digit = digitValue(text[i], hex ? 16 : 10);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (hex) {
        // Hexadecimal digits give the 32-bit pattern: $FFFFFFFF is -1.
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    const std::int64_t signedValue =
        negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(signedValue);
}

} // namespace trelvan
