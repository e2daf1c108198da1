#include "RtfParser.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <utility>

namespace trelvan::rtf {
namespace {

constexpr std::size_t kMaxFontNameBytes = 256;
constexpr std::size_t kMaxCellEdges = DocumentWriter::kMaxColumns;
constexpr std::size_t kMaxCachedFormats = 64;

bool flag(const Token& token) {
    return !token.hasParameter || token.parameter != 0;
}

// Image names are unique in the process: a document keeps resources it
// has cached under a name even after clear().
QString nextImageName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("rtf-image:%1").arg(counter.fetch_add(1));
}

} // namespace

RtfParser::RtfParser(std::string_view input, QTextDocument& document)
    : lexer_(input), document_(document), writer_(document) {
    stack_.reserve(64);
}

void RtfParser::run() {
    while (!finished_) {
        const Token token = lexer_.next();
        switch (token.type) {
        case Token::Type::End:
            finished_ = true;
            break;
        case Token::Type::GroupOpen:
            openGroup();
            break;
        case Token::Type::GroupClose:
            closeGroup();
            break;
        case Token::Type::ControlWord:
            if (overflowDepth_ > 0 || stack_.empty()) {
                // Binary data must be passed over even where nothing is read.
                if (token.word == "bin" && token.hasParameter)
                    lexer_.takeBinary(token.parameter);
                break;
            }
            controlWord(token);
            break;
        case Token::Type::ControlSymbol:
            if (overflowDepth_ == 0 && !stack_.empty())
                controlSymbol(token.symbol);
            break;
        case Token::Type::HexByte:
            if (overflowDepth_ == 0 && !stack_.empty())
                hexByte(token.byte);
            break;
        case Token::Type::Text:
            if (overflowDepth_ == 0 && !stack_.empty())
                textBytes(token.word);
            break;
        }
    }
    if (stack_.empty()) {
        writer_.finish(-1, QTextBlockFormat());
    } else {
        // A truncated file ends with the groups still open: keep what was read.
        flushText();
        const CachedBlock& block = currentBlockFormat();
        writer_.finish(block.id, block.format);
    }
    QTextOption option = document_.defaultTextOption();
    option.setTabStopDistance(twipsToPixels(defaultTab_));
    document_.setDefaultTextOption(option);
}

void RtfParser::openGroup() {
    skipCount_ = 0;
    starPending_ = false;
    if (stack_.empty()) {
        stack_.emplace_back();
        stack_.back().chars.font = defaultFont_;
        return;
    }
    if (overflowDepth_ > 0 || stack_.size() >= kMaxDepth) {
        ++overflowDepth_;
        return;
    }
    flushText();
    GroupState inner = stack_.back();
    stack_.push_back(std::move(inner));
}

void RtfParser::closeGroup() {
    skipCount_ = 0;
    starPending_ = false;
    if (stack_.empty())
        return;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    flushText();
    if (stack_.size() == 1) {
        // The document's own group has ended; what follows is not read.
        finished_ = true;
        return;
    }
    const Destination closing = state().destination;
    stack_.pop_back();
    if (closing == Destination::FontTable)
        commitFont();
    if (closing == Destination::Picture && state().destination != Destination::Picture)
        finishPicture();
}

bool RtfParser::consumeSkippedCharacter() {
    if (skipCount_ <= 0)
        return false;
    --skipCount_;
    return true;
}

void RtfParser::controlWord(const Token& token) {
    const Keyword keyword = lookupKeyword(token.word);
    if (keyword.action == Action::Binary) {
        const std::string_view data = lexer_.takeBinary(token.hasParameter ? token.parameter : 0);
        if (!consumeSkippedCharacter())
            binary(data);
        starPending_ = false;
        return;
    }
    if (consumeSkippedCharacter())
        return;
    const bool starred = std::exchange(starPending_, false);
    GroupState& s = state();
    if (s.destination == Destination::Skip)
        return;
    if (starred && (!isDestination(keyword.action) || keyword.action == Action::DestSkip)) {
        // \* marks a destination that a reader that does not know it skips.
        flushText();
        s.destination = Destination::Skip;
        return;
    }
    if (isDestination(keyword.action)) {
        enterDestination(keyword.action);
        return;
    }
    switch (keyword.action) {
    case Action::UnicodeSkip:
        s.unicodeSkip = token.hasParameter ? std::clamp(token.parameter, 0, 16) : 1;
        return;
    case Action::Unicode: {
        if (!token.hasParameter)
            return;
        int value = token.parameter;
        if (value < 0)
            value += 65536;
        appendCharacter(value >= 0 && value <= 0xFFFF ? char16_t(value) : char16_t(0xFFFD));
        skipCount_ = s.unicodeSkip;
        return;
    }
    case Action::CodePage:
        flushText();
        documentCodePage_ = keyword.value;
        return;
    case Action::AnsiCodePage:
        flushText();
        if (token.hasParameter && token.parameter > 0 && token.parameter < 100000)
            documentCodePage_ = token.parameter;
        return;
    case Action::DefaultFont:
        if (token.hasParameter && token.parameter >= 0) {
            flushText();
            if (s.chars.font == defaultFont_)
                s.chars.font = token.parameter;
            defaultFont_ = token.parameter;
        }
        return;
    case Action::DefaultTab:
        if (token.hasParameter && token.parameter > 0)
            defaultTab_ = std::min(token.parameter, 31680);
        return;
    default:
        break;
    }

    switch (s.destination) {
    case Destination::FontTable:
        if (keyword.action == Action::FontFamily)
            fontEntry_.styleHint = std::uint8_t(keyword.value);
        else
            fontTableWord(keyword.action, token);
        return;
    case Destination::ColorTable:
        if (keyword.action == Action::Red)
            red_ = std::clamp(token.parameter, 0, 255);
        else if (keyword.action == Action::Green)
            green_ = std::clamp(token.parameter, 0, 255);
        else if (keyword.action == Action::Blue)
            blue_ = std::clamp(token.parameter, 0, 255);
        return;
    case Destination::Picture:
        if (keyword.action == Action::PictureKind)
            picture_.kind = keyword.value;
        else
            pictureWord(keyword.action, token);
        return;
    default:
        break;
    }

    if (charProperty(keyword.action, token) || paraProperty(keyword, token))
        return;
    switch (keyword.action) {
    case Action::Character:
        appendCharacter(char16_t(keyword.value));
        break;
    case Action::Paragraph:
        paragraphBreak();
        break;
    case Action::Cell:
        cell();
        break;
    case Action::Row:
        row();
        break;
    case Action::NestedCell: // a table inside a cell is shown as tabbed lines
        appendCharacter(u'\t');
        break;
    case Action::NestedRow:
        paragraphBreak();
        break;
    case Action::RowDefaults:
        cellEdges_.clear();
        break;
    case Action::CellRightEdge:
        if (cellEdges_.size() < kMaxCellEdges)
            cellEdges_.push_back(clampTwips(token.parameter));
        break;
    default:
        break;
    }
}

void RtfParser::controlSymbol(char symbol) {
    if (consumeSkippedCharacter())
        return;
    if (symbol == '*') {
        starPending_ = true;
        return;
    }
    starPending_ = false;
    switch (symbol) {
    case '~':
        appendCharacter(0x00A0);
        break;
    case '-':
        appendCharacter(0x00AD);
        break;
    case '_':
        appendCharacter(0x2011);
        break;
    case '{':
    case '}':
    case '\\':
        if (state().destination == Destination::FontTable) {
            if (fontName_.size() < kMaxFontNameBytes)
                fontName_ += symbol;
        } else {
            appendCharacter(char16_t(symbol));
        }
        break;
    case '\r':
    case '\n': // a backslash before a line end stands for \par
        paragraphBreak();
        break;
    default:
        break;
    }
}

void RtfParser::textBytes(std::string_view bytes) {
    starPending_ = false;
    if (skipCount_ > 0) {
        const std::size_t skipped = std::min<std::size_t>(std::size_t(skipCount_), bytes.size());
        bytes.remove_prefix(skipped);
        skipCount_ -= int(skipped);
    }
    if (bytes.empty())
        return;
    switch (state().destination) {
    case Destination::Body:
        if (!state().chars.hidden)
            byteBuffer_.append(bytes);
        break;
    case Destination::FontTable:
        for (char c : bytes) {
            if (c == ';')
                commitFont();
            else if (fontName_.size() < kMaxFontNameBytes)
                fontName_ += c;
        }
        break;
    case Destination::ColorTable:
        for (char c : bytes)
            if (c == ';')
                commitColour();
        break;
    case Destination::Picture:
        pictureHex(bytes);
        break;
    default:
        break;
    }
}

void RtfParser::hexByte(unsigned char byte) {
    starPending_ = false;
    if (consumeSkippedCharacter())
        return;
    const GroupState& s = state();
    if (s.destination == Destination::Body && !s.chars.hidden)
        byteBuffer_ += char(byte);
    else if (s.destination == Destination::FontTable && fontName_.size() < kMaxFontNameBytes)
        fontName_ += char(byte);
}

void RtfParser::binary(std::string_view data) {
    if (state().destination == Destination::Picture)
        picture_.data.append(data.data(), qsizetype(data.size()));
}

void RtfParser::enterDestination(Action action) {
    flushText();
    GroupState& s = state();
    switch (s.destination) {
    case Destination::Body:
        switch (action) {
        case Action::DestSkip:
            s.destination = Destination::Skip;
            break;
        case Action::DestFontTable:
            s.destination = Destination::FontTable;
            fontNumber_ = -1;
            fontEntry_ = FontEntry{};
            fontName_.clear();
            break;
        case Action::DestColorTable:
            s.destination = Destination::ColorTable;
            red_ = green_ = blue_ = -1;
            break;
        case Action::DestPicture:
            s.destination = Destination::Picture;
            picture_ = Picture{};
            break;
        case Action::DestContainer:
            s.destination = Destination::Container;
            break;
        default: // a body destination inside the body changes nothing
            break;
        }
        break;
    case Destination::Container:
        if (action == Action::DestBody)
            s.destination = Destination::Body;
        else if (action != Action::DestContainer)
            s.destination = Destination::Skip;
        break;
    case Destination::Skip:
        break;
    default: // nothing nests inside the tables or a picture
        s.destination = Destination::Skip;
        break;
    }
}

bool RtfParser::charProperty(Action action, const Token& token) {
    if (action < Action::Plain || action > Action::NoSuperSub)
        return false;
    CharProps& c = state().chars;
    CharProps next = c;
    switch (action) {
    case Action::Plain:
        next = CharProps{};
        next.font = defaultFont_;
        break;
    case Action::Bold:
        next.bold = flag(token);
        break;
    case Action::Italic:
        next.italic = flag(token);
        break;
    case Action::Underline:
        next.underline = flag(token);
        break;
    case Action::UnderlineNone:
        next.underline = false;
        break;
    case Action::Strike:
        next.strike = flag(token);
        break;
    case Action::Hidden:
        next.hidden = flag(token);
        break;
    case Action::Font:
        if (token.hasParameter)
            next.font = token.parameter;
        break;
    case Action::FontSize:
        next.halfPoints =
            token.hasParameter && token.parameter > 0 ? std::clamp(token.parameter, 2, 2000) : 24;
        break;
    case Action::Foreground:
        next.foreground = std::max(token.parameter, 0);
        break;
    case Action::Background:
    case Action::Highlight:
        next.background = std::max(token.parameter, 0);
        break;
    case Action::Superscript:
        next.vertical = 1;
        break;
    case Action::Subscript:
        next.vertical = -1;
        break;
    case Action::NoSuperSub:
        next.vertical = 0;
        break;
    default:
        return false;
    }
    if (!(next == c)) {
        flushText(); // the text so far keeps the format it was written in
        state().chars = next;
    }
    return true;
}

bool RtfParser::paraProperty(const Keyword& keyword, const Token& token) {
    // Paragraph properties belong to the whole paragraph, so they need no
    // flush: the paragraph takes them when it ends.
    ParaProps& p = state().para;
    const int twips = clampTwips(token.parameter);
    switch (keyword.action) {
    case Action::ParagraphDefaults:
        p = ParaProps{};
        break;
    case Action::Alignment:
        p.alignment = std::uint8_t(keyword.value);
        break;
    case Action::LeftIndent:
        p.leftIndent = twips;
        break;
    case Action::RightIndent:
        p.rightIndent = twips;
        break;
    case Action::FirstIndent:
        p.firstIndent = twips;
        break;
    case Action::SpaceBefore:
        p.spaceBefore = std::max(twips, 0);
        break;
    case Action::SpaceAfter:
        p.spaceAfter = std::max(twips, 0);
        break;
    case Action::LineSpacing:
        p.lineSpacing = twips;
        break;
    case Action::LineMultiple:
        p.lineMultiple = flag(token);
        break;
    case Action::TabKind:
        p.pendingTabKind = std::uint8_t(keyword.value);
        break;
    case Action::BarTab:
        p.pendingTabKind = 0;
        break;
    case Action::TabPosition:
        addTabStop(p, TabStop{std::max(twips, 0), p.pendingTabKind});
        p.pendingTabKind = 0;
        break;
    case Action::InTable:
        p.inTable = true;
        break;
    case Action::TableLevel:
        p.inTable = token.parameter > 0;
        break;
    default:
        return false;
    }
    return true;
}

void RtfParser::addTabStop(ParaProps& props, TabStop stop) {
    // Kept in ascending order, as the text layout expects; a second stop at
    // the same place replaces the first.
    TabStop* begin = props.tabs.data();
    TabStop* end = begin + props.tabCount;
    TabStop* at = std::lower_bound(
        begin, end, stop, [](const TabStop& a, const TabStop& b) { return a.twips < b.twips; });
    if (at != end && at->twips == stop.twips) {
        *at = stop;
        return;
    }
    if (props.tabCount >= ParaProps::kMaxTabs)
        return;
    std::move_backward(at, end, end + 1);
    *at = stop;
    ++props.tabCount;
}

void RtfParser::fontTableWord(Action action, const Token& token) {
    switch (action) {
    case Action::Font:
        if (fontNumber_ >= 0 && !fontName_.empty())
            commitFont(); // the writer left out the semicolon
        fontNumber_ = token.hasParameter ? token.parameter : -1;
        break;
    case Action::FontCharset:
        fontEntry_.codePage = codePageForCharset(token.parameter);
        break;
    case Action::FontCodePage:
        if (token.parameter > 0 && token.parameter < 100000)
            fontEntry_.codePage = token.parameter;
        break;
    default:
        break;
    }
}

void RtfParser::pictureWord(Action action, const Token& token) {
    const int value = token.parameter;
    switch (action) {
    case Action::PictureWidth:
        picture_.width = std::clamp(value, 0, 100000);
        break;
    case Action::PictureHeight:
        picture_.height = std::clamp(value, 0, 100000);
        break;
    case Action::PictureGoalWidth:
        picture_.goalWidth = std::clamp(value, 0, 31680);
        break;
    case Action::PictureGoalHeight:
        picture_.goalHeight = std::clamp(value, 0, 31680);
        break;
    case Action::PictureScaleX:
        picture_.scaleX = std::clamp(value, 1, 1000);
        break;
    case Action::PictureScaleY:
        picture_.scaleY = std::clamp(value, 1, 1000);
        break;
    default:
        break;
    }
}

void RtfParser::appendCharacter(char16_t character) {
    const GroupState& s = state();
    if (s.destination != Destination::Body || s.chars.hidden)
        return;
    decodeBytes();
    textBuffer_ += QChar(character);
}

void RtfParser::decodeBytes() {
    if (byteBuffer_.empty())
        return;
    decoder_.append(currentCodePage(), byteBuffer_, textBuffer_);
    byteBuffer_.clear();
}

void RtfParser::flushText() {
    decodeBytes();
    if (textBuffer_.isEmpty())
        return;
    sanitizeText(textBuffer_, false);
    if (!textBuffer_.isEmpty()) {
        syncTableMode();
        const CachedFormat& format = currentFormat();
        writer_.text(textBuffer_, format.id, format.format);
    }
    textBuffer_.clear();
}

void RtfParser::syncTableMode() {
    const bool wanted = state().para.inTable;
    if (wanted && !writer_.inTable())
        writer_.enterTable();
    else if (!wanted && writer_.inTable())
        writer_.leaveTable();
}

void RtfParser::paragraphBreak() {
    if (state().destination != Destination::Body)
        return;
    flushText();
    syncTableMode();
    const CachedBlock& block = currentBlockFormat();
    const CachedFormat& format = currentFormat();
    writer_.endParagraph(block.id, block.format, format.id, format.format);
}

void RtfParser::cell() {
    if (state().destination != Destination::Body)
        return;
    flushText();
    writer_.enterTable();
    writer_.endCell(currentBlockFormat().format);
}

void RtfParser::row() {
    if (state().destination != Destination::Body)
        return;
    flushText();
    writer_.endRow(cellEdges_);
}

int RtfParser::currentCodePage() const {
    const auto found = fonts_.find(stack_.back().chars.font);
    if (found != fonts_.end() && found->second.codePage != 0)
        return found->second.codePage;
    return documentCodePage_;
}

const RtfParser::CachedFormat& RtfParser::currentFormat() {
    const CharProps& props = state().chars;
    for (const CachedFormat& cached : formatCache_)
        if (cached.props == props)
            return cached;
    if (formatCache_.size() >= kMaxCachedFormats)
        formatCache_.clear();
    const auto font = fonts_.find(props.font);
    formatCache_.push_back(
        CachedFormat{props, nextFormatId_++,
                     charFormat(props, font == fonts_.end() ? nullptr : &font->second, colours_)});
    return formatCache_.back();
}

const RtfParser::CachedBlock& RtfParser::currentBlockFormat() {
    const ParaProps& props = state().para;
    if (cachedBlock_.id < 0 || !(cachedPara_ == props)) {
        cachedPara_ = props;
        cachedBlock_.format = blockFormat(props);
        ++cachedBlock_.id;
    }
    return cachedBlock_;
}

void RtfParser::commitFont() {
    if (fontNumber_ >= 0 && !fontName_.empty()) {
        QString name;
        decoder_.append(fontEntry_.codePage != 0 ? fontEntry_.codePage : documentCodePage_,
                        fontName_, name);
        sanitizeText(name, false);
        fontEntry_.family = name.trimmed();
        fonts_[fontNumber_] = fontEntry_;
        formatCache_.clear();
    }
    fontNumber_ = -1;
    fontEntry_ = FontEntry{};
    fontName_.clear();
}

void RtfParser::commitColour() {
    // An entry without components is the automatic colour.
    colours_.push_back(red_ < 0 && green_ < 0 && blue_ < 0
                           ? QColor()
                           : QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
    red_ = green_ = blue_ = -1;
    formatCache_.clear();
}

void RtfParser::pictureHex(std::string_view bytes) {
    for (char c : bytes) {
        const int nibble = hexDigitValue(c);
        if (nibble < 0)
            continue;
        if (picture_.highNibble < 0) {
            picture_.highNibble = nibble;
        } else {
            picture_.data.append(char(picture_.highNibble * 16 + nibble));
            picture_.highNibble = -1;
        }
    }
}

void RtfParser::finishPicture() {
    Picture picture = std::move(picture_);
    picture_ = Picture{};
    const GroupState& s = state();
    if (picture.kind == 0 || picture.data.isEmpty() || s.destination != Destination::Body ||
        s.chars.hidden)
        return;

    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, picture.kind == 1 ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return;
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > kMaxImagePixels || imagePixels_ + pixels > kMaxDocumentPixels)
        return;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return;
    imagePixels_ += pixels;

    // Shown at the size the writer asked for, else at the picture's own.
    const double width =
        (picture.goalWidth > 0 ? twipsToPixels(picture.goalWidth) : double(image.width())) *
        picture.scaleX / 100.0;
    const double height =
        (picture.goalHeight > 0 ? twipsToPixels(picture.goalHeight) : double(image.height())) *
        picture.scaleY / 100.0;
    const QString name = nextImageName();
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(std::clamp(width, 1.0, 4000.0));
    format.setHeight(std::clamp(height, 1.0, 4000.0));
    syncTableMode();
    writer_.image(format);
}

} // namespace trelvan::rtf
