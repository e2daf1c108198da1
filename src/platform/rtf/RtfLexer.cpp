#include "RtfLexer.h"

#include <limits>

namespace trelvan::rtf {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token RtfLexer::next() {
    while (position_ < input_.size()) {
        const char c = input_[position_];
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
            while (position_ < input_.size()) {
                const char t = input_[position_];
                if (t == '{' || t == '}' || t == '\\' || t == '\r' || t == '\n')
                    break;
                ++position_;
            }
            Token token = Token::of(Token::Type::Text);
            token.word = input_.substr(start, position_ - start);
            return token;
        }
        }
    }
    return Token{};
}

Token RtfLexer::controlSequence() {
    ++position_; // the backslash
    if (position_ >= input_.size())
        return Token{};
    const char c = input_[position_];
    if (!isLetter(c)) {
        ++position_;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && position_ < input_.size()) {
                const int h = hexValue(input_[position_]);
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
    while (position_ < input_.size() && isLetter(input_[position_]))
        ++position_;
    token.word = input_.substr(start, position_ - start);

    bool negative = false;
    if (position_ + 1 < input_.size() && input_[position_] == '-' &&
        isDigit(input_[position_ + 1])) {
        negative = true;
        ++position_;
    }
    if (position_ < input_.size() && isDigit(input_[position_])) {
        // Saturate instead of overflowing: a parameter of a thousand digits is
        // just very large.
        constexpr std::int64_t limit = std::numeric_limits<int>::max();
        std::int64_t value = 0;
        while (position_ < input_.size() && isDigit(input_[position_])) {
            if (value <= limit)
                value = value * 10 + (input_[position_] - '0');
            ++position_;
        }
        if (value > limit)
            value = limit;
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    if (position_ < input_.size() && input_[position_] == ' ')
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

} // namespace trelvan::rtf
