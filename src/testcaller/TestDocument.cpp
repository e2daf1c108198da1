#include "testcaller/TestDocument.h"

#include "platform/Dialogs.h"
#include "platform/rtf/RtfReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTextEdit>

namespace trelvan {

void loadTestDocumentInto(const TestSelection& test, QTextEdit* view) {
    view->clear();
    const QString path = test.documentPath();
    QFile file(path);
    bool loaded = false;
    if (!QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            rtf::loadDocument(bytes, *view->document());
            loaded = true;
        }
    }
    if (!loaded) {
        view->clear();
        dialogs().message(QStringLiteral("Keine Aufgabe gewählt!"), QStringLiteral("Information"),
                          MessageIcon::Information, view->window());
    }
}

} // namespace trelvan
