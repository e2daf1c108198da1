#pragma once

#include <QString>

namespace trelvan {

// A settings file with the semantics of the Windows profile files:
//   - section and key names are matched without regard to case, the first
//     section and the first key of a name count;
//   - a write replaces the value in place, adds a missing key after the last
//     line of its section and a missing section at the end of the file;
//   - every other line stays byte for byte as it was;
//   - values are plain text, neither quoted nor escaped; on reading, blanks
//     around key and value are dropped and a value is cut after 2047 characters.
// Nothing is cached: each read looks at the file, each write reads the file
// again and replaces it atomically, so a write is complete on disk before the
// next one starts and a crash never leaves half a file. Reading never fails.
// New lines are written with CR LF in UTF-8.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // The value, or `defaultValue` when the file, the section or the key is missing.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // The value as an integer (decimal, or hexadecimal after "$", "0x", "0X"),
    // or `defaultValue` when missing, empty or no integer.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    // Throw EIniWriteError with the file's path when the file cannot be written
    // (read-only file or folder, unreadable existing file) or when the text
    // cannot be stored as one line (a line break in the value, a name that
    // would read back as something else). The file is then unchanged.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);

    // The longest value a read returns.
    static constexpr qsizetype kMaxValueLength = 2047;

private:
    QString path_;
};

} // namespace trelvan
