#include "RtfLexer.h"

#include <array>
#include <limits>

namespace trelvan::rtf {
namespace {

// Character classes, looked up once per byte: the lexer touches every byte
// of the document.
enum CharClass : unsigned char { Other = 0, Letter = 1, Digit = 2, Special = 4 };

constexpr std::array<unsigned char, 256> makeClasses() {
    std::array<unsigned char, 256> classes{};
    for (int c = 'a'; c <= 'z'; ++c)
        classes[std::size_t(c)] = Letter;
    for (int c = 'A'; c <= 'Z'; ++c)
        classes[std::size_t(c)] = Letter;
    for (int c = '0'; c <= '9'; ++c)
        classes[std::size_t(c)] = Digit;
    for (unsigned char c : {'{', '}', '\\', '\r', '\n'})
        classes[c] = Special;
    return classes;
}
constexpr std::array<unsigned char, 256> kClasses = makeClasses();

unsigned char classOf(char c) {
    return kClasses[static_cast<unsigned char>(c)];
}

} // namespace

Token RtfLexer::next() {
    const char* const data = input_.data();
    const std::size_t size = input_.size();
    while (position_ < size) {
        const char c = data[position_];
        switch (c) {
        case '{':
            ++position_;
            return Token::of(Token::Type::GroupOpen);
        case '}':
            ++position_;
            return Token::of(Token::Type::GroupClose);
        case '\\':
            return controlSequence();
        case '\r':
        case '\n':
            // Line ends only break up long lines of the file.
            ++position_;
            continue;
        default: {
            const std::size_t start = position_;
            ++position_;
            while (position_ < size && classOf(data[position_]) != Special)
                ++position_;
            Token token = Token::of(Token::Type::Text);
            token.word = std::string_view(data + start, position_ - start);
            return token;
        }
        }
    }
    return Token::of(Token::Type::End);
}

Token RtfLexer::controlSequence() {
    const char* const data = input_.data();
    const std::size_t size = input_.size();
    ++position_; // the backslash
    if (position_ >= size)
        return Token::of(Token::Type::End);
    const char c = data[position_];
    if (classOf(c) != Letter) {
        ++position_;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && position_ < size) {
                const int h = hexDigitValue(data[position_]);
                if (h < 0)
                    break;
                value = value * 16 + h;
                ++position_;
                ++digits;
            }
            Token token = Token::of(Token::Type::HexByte);
            if (digits == 0) { // a stray \' carries no character
                token.type = Token::Type::ControlSymbol;
                token.symbol = '\'';
                return token;
            }
            token.byte = static_cast<unsigned char>(value);
            return token;
        }
        Token token = Token::of(Token::Type::ControlSymbol);
        token.symbol = c;
        return token;
    }

    Token token = Token::of(Token::Type::ControlWord);
    const std::size_t start = position_;
    while (position_ < size && classOf(data[position_]) == Letter)
        ++position_;
    token.word = std::string_view(data + start, position_ - start);

    bool negative = false;
    if (position_ + 1 < size && data[position_] == '-' && classOf(data[position_ + 1]) == Digit) {
        negative = true;
        ++position_;
    }
    if (position_ < size && classOf(data[position_]) == Digit) {
        // Saturate instead of overflowing: a parameter of a thousand digits is
        // just very large.
        constexpr std::int64_t limit = std::numeric_limits<int>::max();
        std::int64_t value = 0;
        while (position_ < size && classOf(data[position_]) == Digit) {
            if (value <= limit)
                value = value * 10 + (data[position_] - '0');
            ++position_;
        }
        if (value > limit)
            value = limit;
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    if (position_ < size && data[position_] == ' ')
        ++position_; // the delimiter belongs to the control word
    return token;
}

std::string_view RtfLexer::takeBinary(std::int64_t count) {
    const std::size_t available = input_.size() - position_;
    const std::size_t length =
        count <= 0 ? 0 : (std::uint64_t(count) < available ? std::size_t(count) : available);
    const std::string_view data = input_.substr(position_, length);
    position_ += length;
    return data;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace trelvan::rtf
