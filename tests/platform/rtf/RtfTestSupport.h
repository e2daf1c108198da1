#pragma once

// Helpers shared by the RTF reader's tests.

#include "platform/rtf/RtfReader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTextDocument>

namespace trelvan::rtf::test {

inline QString plainTextOf(const QByteArray& bytes) {
    QTextDocument document;
    loadDocument(bytes, document);
    return document.toPlainText();
}

// Fixtures lie beside this file in the source tree.
inline QByteArray fixture(const QString& name) {
    const QString path =
        QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("fixtures/") + name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace trelvan::rtf::test
