#include "FakeDialogs.h"
#include "TempProgramFolder.h"
#include "testcaller/Aufgabe.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace trelvan;
using namespace trelvan::test;

namespace {

class FakeHost final : public TestHost {
public:
    TestSelection test;
    int loads = 0;
    TestSelection& chosenTest() override { return test; }
    void LoadTestDocument() override { ++loads; }
};

class Chooser : public ::testing::Test {
protected:
    void SetUp() override {
        host.test.ExeFolder = folder.path();
        chooser = std::make_unique<TfrmAufgabe>(host);
    }

    // The tree as text: one line a node, tests indented.
    QStringList treeLines() const {
        QStringList lines;
        for (int i = 0; i < chooser->TreeView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* group = chooser->TreeView1->topLevelItem(i);
            lines << group->text(0);
            for (int j = 0; j < group->childCount(); ++j)
                lines << "  " + group->child(j)->text(0);
        }
        return lines;
    }

    QTreeWidgetItem* node(const QString& group, const QString& test = QString()) const {
        for (int i = 0; i < chooser->TreeView1->topLevelItemCount(); ++i) {
            QTreeWidgetItem* g = chooser->TreeView1->topLevelItem(i);
            if (g->text(0) != group)
                continue;
            if (test.isEmpty())
                return g;
            for (int j = 0; j < g->childCount(); ++j)
                if (g->child(j)->text(0) == test)
                    return g->child(j);
        }
        return nullptr;
    }

    void openAndFill() {
        chooser->show();
        chooser->FormActivate();
        chooser->TreeView1->expandAll();
    }

    void press(QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton) {
        const QRect row = chooser->TreeView1->visualItemRect(item);
        QTest::mousePress(chooser->TreeView1->viewport(), button, {},
                          QPoint(row.right() - 2, row.center().y()));
        QTest::mouseRelease(chooser->TreeView1->viewport(), button, {},
                            QPoint(row.right() - 2, row.center().y()));
    }

    void pressBelowLastNode() {
        const QPoint empty(10, chooser->TreeView1->viewport()->height() - 3);
        ASSERT_EQ(chooser->TreeView1->itemAt(empty), nullptr);
        QTest::mouseClick(chooser->TreeView1->viewport(), Qt::LeftButton, {}, empty);
    }

    TempProgramFolder folder;
    FakeDialogs dialogs;
    FakeHost host;
    std::unique_ptr<TfrmAufgabe> chooser;
};

TEST_F(Chooser, ListsGroupsAndTestsByTheFillingRules) {
    folder.makeFolder("Dressur E/E5");
    folder.makeFolder("Dressur E/e2");
    folder.makeFolder("Dressur E/Musik");
    folder.makeFolder("Dressur E/.versteckt");
    folder.write("Dressur E/notiz.txt", "x");
    folder.makeFolder("Dressur E/E5/Unterordner");
    folder.makeFolder("alpha/A1");
    folder.makeFolder("Musik/Titel");
    folder.makeFolder("musik/M1");
    folder.makeFolder(".hidden/H1");
    folder.makeFolder("Leer");
    folder.write("hintergrund.ls", "");

    openAndFill();
    EXPECT_EQ(treeLines(), (QStringList{"Bitte eine Aufgabe auswählen", "alpha", "  A1",
                                        "Dressur E", "  e2", "  E5", "Leer", "musik", "  M1"}));
    // Groups and the prompt show the folder, tests the sheet.
    EXPECT_FALSE(node("alpha")->icon(0).isNull());
    EXPECT_FALSE(node("alpha", "A1")->icon(0).isNull());
    EXPECT_EQ(chooser->TreeView1->selectedItems().size(), 0);
}

TEST_F(Chooser, EmptyProgramFolderGivesThePromptAlone) {
    openAndFill();
    EXPECT_EQ(treeLines(), QStringList{"Bitte eine Aufgabe auswählen"});
}

TEST_F(Chooser, PressesChooseTestsAndOnlyTests) {
    folder.makeFolder("G1/T1");
    folder.makeFolder("G1/T2");
    folder.makeFolder("G2/T3");
    openAndFill();

    press(node("G1", "T2"), Qt::RightButton);
    EXPECT_EQ(host.test.TestFolderPath, "G1/T2/");
    EXPECT_EQ(host.test.TestName, "T2");

    pressBelowLastNode();
    EXPECT_EQ(host.test.TestName, "T2") << "empty space re-derives from the remembered node";

    press(node("G2"));
    EXPECT_EQ(host.test.TestFolderPath, "");
    EXPECT_EQ(host.test.TestName, "");

    press(node("G2", "T3"));
    EXPECT_EQ(host.test.TestFolderPath, "G2/T3/");
    EXPECT_EQ(host.loads, 0) << "a press alone loads nothing";
}

TEST_F(Chooser, RefillForgetsTheNodesOfTheOldFilling) {
    folder.makeFolder("G1/T1");
    openAndFill();
    press(node("G1", "T1"));
    openAndFill();
    pressBelowLastNode();
    EXPECT_EQ(host.test.TestName, "") << "no node of the new filling was pressed";
}

TEST_F(Chooser, DoubleClickOnTestLoadsAndCloses) {
    folder.makeFolder("G1/T1");
    openAndFill();
    const QRect groupRow = chooser->TreeView1->visualItemRect(node("G1"));
    QTest::mouseDClick(chooser->TreeView1->viewport(), Qt::LeftButton, {}, groupRow.center());
    EXPECT_EQ(host.loads, 0);
    EXPECT_TRUE(chooser->isVisible());

    chooser->TreeView1->expandAll();
    const QRect testRow = chooser->TreeView1->visualItemRect(node("G1", "T1"));
    QTest::mouseDClick(chooser->TreeView1->viewport(), Qt::LeftButton, {}, testRow.center());
    EXPECT_EQ(host.loads, 1);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(host.test.TestFolderPath, "G1/T1/");
}

TEST_F(Chooser, EveryClosingWritesTheChoice) {
    folder.makeFolder("G1/T1");
    host.test.TestFolderPath = "Alt/A/";
    host.test.TestName = "A";
    openAndFill();
    chooser->btnOk->click();
    EXPECT_EQ(host.loads, 1) << "OK without a press loads the current test again";
    QByteArray ini = folder.read("trelvan-control.INI");
    EXPECT_TRUE(ini.contains("aExePath=" + folder.path().toUtf8())) << ini.constData();
    EXPECT_TRUE(ini.contains("aAufgabePath=Alt/A/"));
    EXPECT_TRUE(ini.contains("aAufgabe=A"));
    EXPECT_LT(ini.indexOf("aExePath"), ini.indexOf("aAufgabePath"));
    EXPECT_LT(ini.indexOf("aAufgabePath"), ini.indexOf("aAufgabe="));

    // Pressing a test, then the close box: stored, but not loaded.
    openAndFill();
    press(node("G1", "T1"));
    chooser->close();
    EXPECT_EQ(host.loads, 1);
    ini = folder.read("trelvan-control.INI");
    EXPECT_TRUE(ini.contains("aAufgabePath=G1/T1/"));

    // A press on a group, then OK: no test, and the empty choice is stored.
    openAndFill();
    press(node("G1"));
    chooser->btnOk->click();
    EXPECT_EQ(host.loads, 2);
    ini = folder.read("trelvan-control.INI");
    EXPECT_TRUE(ini.contains("aAufgabePath=\r\n")) << ini.constData();
}

TEST_F(Chooser, SettingsWriteFailureIsShownAndTheChooserStillCloses) {
    folder.write("trelvan-control.INI", "[Einstellungen]\r\n");
    QFile::setPermissions(folder.settingsFile(), QFile::ReadOwner | QFile::ReadGroup);
    openAndFill();
    chooser->close();
    EXPECT_FALSE(chooser->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "In " + folder.settingsFile() + " kann nicht geschrieben werden.");
}

} // namespace
