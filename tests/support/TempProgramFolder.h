#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace trelvan::test {

// A fresh, empty program folder for one test, installed as the program folder
// (with the executable name "trelvan-control") for the test's lifetime.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();

    // Full path with trailing separator.
    QString path() const;
    // Full path of a file inside the folder.
    QString file(const QString& relative) const { return path() + relative; }
    QString settingsFile() const;

    // Writes bytes to a file below the folder, creating its folders.
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    void makeFolder(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

} // namespace trelvan::test
