#include "testcaller/TestDocument.h"

#include "platform/Dialogs.h"
#include "platform/rtf/RtfReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QTextEdit>

namespace trelvan {
namespace {

// The document is built apart from the view and handed over whole: built
// inside the view, every paragraph would be laid out on its own as it arrives,
// which makes a long test take seconds to appear.
void showDocument(const QByteArray& bytes, QTextEdit* view) {
    auto* document = new QTextDocument(view);
    document->setDefaultFont(view->font());
    rtf::loadDocument(bytes, *document);
    // The view deletes its own first document itself; earlier ones of ours are
    // deleted here.
    QTextDocument* previous = view->document();
    const bool ours = previous->parent() == view;
    view->setDocument(document);
    if (ours)
        delete previous;
}

} // namespace

void loadTestDocumentInto(const TestSelection& test, QTextEdit* view) {
    view->clear();
    const QString path = test.documentPath();
    QFile file(path);
    bool loaded = false;
    if (!QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            showDocument(bytes, view);
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
