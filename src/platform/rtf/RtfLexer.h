#pragma once

// Splits RTF bytes into groups, control words, control symbols, hex bytes
// and text. Works on any bytes: every input ends in a finite token stream.

#include <cstdint>
#include <string_view>

namespace trelvan::rtf {

struct Token {
    enum class Type { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text };
    Type type = Type::End;
    std::string_view word; // control word name, or the text of a Text token
    bool hasParameter = false;
    int parameter = 0; // clamped to the int range
    char symbol = 0;   // control symbol character
    unsigned char byte = 0;

    static Token of(Type type) {
        Token token;
        token.type = type;
        return token;
    }
};

class RtfLexer {
public:
    explicit RtfLexer(std::string_view input) : input_(input) {}

    Token next();

    // Takes the `count` bytes that follow a \bin control word (fewer at the
    // end of the input).
    std::string_view takeBinary(std::int64_t count);

    std::size_t position() const { return position_; }

private:
    Token controlSequence();

    std::string_view input_;
    std::size_t position_ = 0;
};

// The value of a hexadecimal digit, or -1.
int hexDigitValue(char c);

} // namespace trelvan::rtf
