#include "testcaller/Aufgabe.h"

#include "platform/Colours.h"
#include "platform/ErrorBox.h"
#include "platform/Folders.h"
#include "platform/WidgetLook.h"
#include "settings/Settings.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

namespace trelvan {

TfrmAufgabe* frmAufgabe = nullptr;

namespace {

// The folder that holds the show's music is never a group or a test.
const QString kMusicFolder = QStringLiteral("Musik");

QPixmap drawFolderImage() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x80, 0x60, 0x00));
    painter.setBrush(QColor(0xFF, 0xD8, 0x40));
    painter.drawRect(1, 2, 6, 3);
    painter.drawRect(1, 4, 13, 9);
    return pixmap;
}

QPixmap drawSheetImage(const QColor& paper) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(paper);
    painter.drawRect(3, 1, 10, 13);
    for (int y = 4; y <= 11; y += 3) {
        painter.drawPoint(5, y);
        painter.drawPoint(8, y);
        painter.drawPoint(11, y);
    }
    return pixmap;
}

} // namespace

TfrmAufgabe::TfrmAufgabe(TestHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(QStringLiteral("Trelvan-Control    Aufgabe wählen"));
    setGeometry(213, 46, 443, 557);
    setBackground(this, colours::kActiveCaption);
    setTextColour(this, colours::kWindowText);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    ImageList1[0] = QIcon(drawFolderImage());
    ImageList1[1] = QIcon(drawSheetImage(Qt::white));
    ImageList1[2] = QIcon(drawSheetImage(Qt::red));
    // A test node shows the white sheet, and the red one while selected.
    testIcon_.addPixmap(drawSheetImage(Qt::white), QIcon::Normal);
    testIcon_.addPixmap(drawSheetImage(Qt::red), QIcon::Selected);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setGeometry(344, 24, 75, 25);
    connect(btnOk, &QPushButton::clicked, this, [this] { runHandler([this] { btnOkClick(); }); });

    TreeView1 = new QTreeWidget(this);
    TreeView1->setGeometry(0, 0, 313, 529);
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setIconSize(QSize(16, 16));
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->viewport()->installEventFilter(this);
    setTabOrder(btnOk, TreeView1);
}

bool TfrmAufgabe::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        runHandler([this] { FormActivate(); });
    return QDialog::event(event);
}

void TfrmAufgabe::FormActivate() {
    // Drawn once when the whole tree stands, not at every node.
    TreeView1->setUpdatesEnabled(false);
    fillTree();
    TreeView1->setUpdatesEnabled(true);
}

void TfrmAufgabe::fillTree() {
    TreeView1->clear();
    // The nodes of the old filling are gone: a press on empty space must not
    // fall back on one of them.
    rememberedNode_ = nullptr;

    QList<QTreeWidgetItem*> nodes{new QTreeWidgetItem(QStringList{promptText()})};
    nodes.front()->setIcon(0, ImageList1[0]);
    if (const auto groups = listSubfolders(host_.chosenTest().ExeFolder)) {
        for (const QString& group : *groups) {
            if (group != kMusicFolder)
                nodes.append(groupNode(group));
        }
    }
    TreeView1->addTopLevelItems(nodes);
}

QTreeWidgetItem* TfrmAufgabe::groupNode(const QString& name) const {
    auto* group = new QTreeWidgetItem(QStringList{name});
    group->setIcon(0, ImageList1[0]);
    const auto tests = listSubfolders(host_.chosenTest().ExeFolder + name + QLatin1Char('/'));
    if (!tests)
        return group;
    QList<QTreeWidgetItem*> children;
    for (const QString& test : *tests) {
        if (test == kMusicFolder)
            continue;
        auto* node = new QTreeWidgetItem(QStringList{test});
        node->setIcon(0, testIcon_);
        children.append(node);
    }
    group->addChildren(children);
    return group;
}

void TfrmAufgabe::TreeView1MouseDown(const QPoint& position) {
    TestSelection& test = host_.chosenTest();
    test.TestFolderPath.clear();
    test.TestName.clear();
    if (QTreeWidgetItem* pressed = TreeView1->itemAt(position))
        rememberedNode_ = pressed;
    if (rememberedNode_ && rememberedNode_->parent()) {
        const QString group = rememberedNode_->parent()->text(0);
        const QString name = rememberedNode_->text(0);
        test.TestFolderPath = group + QLatin1Char('/') + name + QLatin1Char('/');
        test.TestName = name;
    }
}

void TfrmAufgabe::TreeView1DblClick() {
    if (rememberedNode_ && rememberedNode_->parent())
        btnOk->click();
}

void TfrmAufgabe::btnOkClick() {
    host_.LoadTestDocument();
    close();
}

void TfrmAufgabe::FormClose() {
    const TestSelection& test = host_.chosenTest();
    writeChosenTest(test.ExeFolder, test.TestFolderPath, test.TestName);
}

// Every way of closing ends here: OK, the close box, Escape.
void TfrmAufgabe::done(int result) {
    // The chooser closes even when the settings cannot be written; the
    // operator has been told.
    runHandler([this] { FormClose(); });
    QDialog::done(result);
}

bool TfrmAufgabe::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TreeView1->viewport()) {
        // Any button chooses; the second press of a double-click too.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            runHandler([this, mouse] { TreeView1MouseDown(mouse->position().toPoint()); });
        }
        if (event->type() == QEvent::MouseButtonDblClick)
            runHandler([this] { TreeView1DblClick(); });
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace trelvan
