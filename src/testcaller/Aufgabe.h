#pragma once

#include "testcaller/TestSelection.h"

#include <QDialog>
#include <QIcon>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace trelvan {

// The test chooser: the groups and tests of the program folder as a tree. A
// press on a test chooses it at once; OK or a double-click on a test loads its
// document; every closing stores the choice in the settings file.
class TfrmAufgabe : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAufgabe(TestHost& host, QWidget* parent = nullptr);

    QPushButton* btnOk = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    // The three 16 × 16 images: folder, sheet, chosen sheet.
    QIcon ImageList1[3];

    // The first node of the root level, the prompt.
    static QString promptText() { return QStringLiteral("Bitte eine Aufgabe auswählen"); }

    void FormActivate();
    void TreeView1MouseDown(const QPoint& position);
    void TreeView1DblClick();
    void btnOkClick();
    void FormClose();

public:
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillTree();
    QTreeWidgetItem* groupNode(const QString& name) const;

    TestHost& host_;
    QTreeWidgetItem* rememberedNode_ = nullptr;
    QIcon testIcon_;
};

extern TfrmAufgabe* frmAufgabe;

} // namespace trelvan
