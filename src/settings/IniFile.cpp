#include "settings/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/IntText.h"
#include "platform/TextLines.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <utility>

namespace trelvan {
namespace {

const QByteArray kNewLineEnd = QByteArrayLiteral("\r\n");

// The name of a section header line "[name]", blanks around it ignored.
std::optional<QString> sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

struct Entry {
    QString key;
    QString value;
};

// A "key=value" line; the value is everything after the first "=".
std::optional<Entry> entryOf(const QString& line) {
    if (sectionName(line))
        return std::nullopt;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return std::nullopt;
    Entry entry{line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
    if (entry.key.isEmpty())
        return std::nullopt;
    return entry;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The file's lines, their text decoded, as far as a section lookup needs them.
class Lines {
public:
    explicit Lines(const QByteArray& bytes) : raw_(splitRawLines(bytes)) {
        texts_.reserve(raw_.size());
        for (const RawLine& line : std::as_const(raw_))
            texts_.append(decodeText(line.text));
        if (!texts_.isEmpty() && texts_.front().startsWith(QChar(0xFEFF)))
            texts_.front().remove(0, 1);
    }

    qsizetype size() const { return raw_.size(); }
    const QString& text(qsizetype i) const { return texts_.at(i); }
    QList<RawLine>& raw() { return raw_; }

    // Index of the section's header, or -1.
    qsizetype findSection(const QString& section) const {
        for (qsizetype i = 0; i < size(); ++i) {
            const auto name = sectionName(texts_.at(i));
            if (name && sameName(*name, section))
                return i;
        }
        return -1;
    }

    // One past the section's last line: the next header or the end.
    qsizetype sectionEnd(qsizetype header) const {
        qsizetype i = header + 1;
        while (i < size() && !sectionName(texts_.at(i)))
            ++i;
        return i;
    }

    // Index of the key's line within the section, or -1.
    qsizetype findKey(qsizetype header, const QString& key) const {
        const qsizetype end = sectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i) {
            const auto entry = entryOf(texts_.at(i));
            if (entry && sameName(entry->key, key))
                return i;
        }
        return -1;
    }

    QByteArray bytes() const {
        QByteArray out;
        for (const RawLine& line : raw_)
            out += line.text + line.end;
        return out;
    }

private:
    QList<RawLine> raw_;
    QStringList texts_;
};

// The file's bytes; nothing for a missing file. An existing file that cannot
// be read gives nullopt: rewriting it from nothing would destroy it.
std::optional<QByteArray> readBytes(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// Names and values that could not be read back as written.
bool storable(const QString& section, const QString& key, const QString& value) {
    if (section.isEmpty() || section != section.trimmed() || hasLineBreak(section) ||
        section.contains(QLatin1Char(']')))
        return false;
    if (key.isEmpty() || key != key.trimmed() || hasLineBreak(key) ||
        key.contains(QLatin1Char('=')) || key.startsWith(QLatin1Char('[')))
        return false;
    return !hasLineBreak(value);
}

// Gives a last line without line end one, so that a line can follow it.
void endLine(RawLine& line) {
    if (line.end.isEmpty())
        line.end = kNewLineEnd;
}

void setValue(Lines& lines, const QString& section, const QString& key, const QString& value) {
    QList<RawLine>& raw = lines.raw();
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    const qsizetype header = lines.findSection(section);
    if (header < 0) {
        if (!raw.isEmpty()) {
            endLine(raw.back());
            if (!lines.text(raw.size() - 1).trimmed().isEmpty())
                raw.append({QByteArray(), kNewLineEnd}); // a blank line between sections
        }
        raw.append({'[' + section.toUtf8() + ']', kNewLineEnd});
        raw.append({entry, kNewLineEnd});
        return;
    }
    const qsizetype at = lines.findKey(header, key);
    if (at >= 0) {
        // Keep the key as it is spelt in the file, with its blanks, up to the "=".
        QByteArray& text = raw[at].text;
        text = text.left(text.indexOf('=') + 1) + value.toUtf8();
        return;
    }
    // After the section's last non-blank line, so blank lines that separate it
    // from the next section stay where they are.
    qsizetype last = header;
    const qsizetype end = lines.sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (!lines.text(i).trimmed().isEmpty())
            last = i;
    }
    endLine(raw[last]);
    raw.insert(last + 1, {entry, kNewLineEnd});
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const auto bytes = readBytes(path_);
    if (!bytes)
        return defaultValue;
    const Lines lines(*bytes);
    const qsizetype header = lines.findSection(section);
    const qsizetype at = header < 0 ? -1 : lines.findKey(header, key);
    if (at < 0)
        return defaultValue;
    QString value = entryOf(lines.text(at))->value;
    if (value.size() > kMaxValueLength) {
        value.truncate(kMaxValueLength);
        if (value.back().isHighSurrogate())
            value.chop(1); // never half a character
    }
    return value;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    return parseIntegerOr(readString(section, key, QString()), defaultValue);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const auto bytes = readBytes(path_);
    if (!bytes || !storable(section, key, value))
        throw EIniWriteError(path_);
    Lines lines(*bytes);
    setValue(lines, section, key, value);
    if (!writeFileAtomically(path_, lines.bytes()))
        throw EIniWriteError(path_);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

} // namespace trelvan
