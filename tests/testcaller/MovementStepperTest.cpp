#include "StepperFixture.h"

#include "platform/ErrorBox.h"

#include <gtest/gtest.h>

using namespace trelvan;
using namespace trelvan::test;

namespace {

const QString kDocument = QStringLiteral("Aufgabe E5\nTitelzeile\n"
                                         "1\tA Einreiten\n"
                                         "2\tC Rechts\nweiter im Trab\n"
                                         "3\tX Halten");

TEST(HighlightMovement, SelectsTheBlockOfTheNextMovement) {
    struct Case {
        const char* name;
        QString text;
        int counter;
        QString expectedSelection; // empty: nothing selected
        QString expectedField;
    };
    const Case cases[] = {
        {"first movement up to the second", kDocument, 0, "1\tA Einreiten\n", "1"},
        {"block with continuation line", kDocument, 1, "2\tC Rechts\nweiter im Trab\n", "2"},
        {"last movement runs to the end", kDocument, 2, "3\tX Halten", "3"},
        {"no such movement keeps no selection", kDocument, 3, "", "4"},
        {"11 with TAB before movement 1 is found first", QStringLiteral("Kopf 11\tx\n1\tA\n2\tB"),
         0, "1\tx\n1\tA\n", "1"},
        {"full stop before the TAB gives no highlight", QStringLiteral("1.\tA\n2.\tB"), 0, "", "1"},
        {"blank instead of TAB gives no highlight", QStringLiteral("1 A\n2 B"), 0, "", "1"},
    };
    for (const Case& c : cases) {
        StepperFixture f;
        f.document.setPlainText(c.text);
        f.stepper->MovementCounter = c.counter;
        f.stepper->HighlightMovement();
        EXPECT_EQ(f.selectedText(), c.expectedSelection) << c.name;
        EXPECT_EQ(f.number.text(), c.expectedField) << c.name;
        EXPECT_EQ(f.number.selectedText(), c.expectedField) << c.name;
    }
}

TEST(HighlightMovement, MissingMovementKeepsTheOldHighlight) {
    StepperFixture f;
    f.document.setPlainText(kDocument);
    f.stepper->MovementCounter = 2;
    f.stepper->HighlightMovement();
    f.stepper->MovementCounter = 7;
    f.stepper->HighlightMovement();
    EXPECT_EQ(f.selectedText(), "3\tX Halten");
    EXPECT_EQ(f.number.text(), "8");
}

TEST(Stepping, WholeTestWithEndMessage) {
    StepperFixture f;
    f.addPictures(3);
    f.document.setPlainText(kDocument);

    f.stepper->beginCommand();
    EXPECT_EQ(f.number.text(), "1");
    EXPECT_EQ(f.selectedText(), "1\tA Einreiten\n");
    for (int i = 0; i < 3; ++i)
        f.stepper->nextCommand();
    EXPECT_EQ(f.stepper->MovementCounter, 3);
    EXPECT_EQ(f.number.text(), "4");
    EXPECT_EQ(f.selectedText(), "3\tX Halten") << "movement 3 stays highlighted";
    EXPECT_TRUE(f.dialogs.messages.empty());

    f.stepper->nextCommand();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, "Die Aufgabe ist beendet");
    EXPECT_EQ(f.dialogs.messages[0].caption, "Hinweis!!!");
    EXPECT_EQ(f.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(f.stepper->MovementCounter, 0);
    EXPECT_EQ(f.number.text(), "1");
    EXPECT_EQ(f.selectedText(), "1\tA Einreiten\n");
    EXPECT_EQ(f.announcer.numbers(), (std::vector<int>{0, 1, 2, 3}));

    // After the end the next command plays movement 1 without the opening.
    f.stepper->nextCommand();
    EXPECT_EQ(f.announcer.numbers().back(), 1);
}

TEST(Stepping, LampIsRedDuringTheAnnouncementAndPictureChangesAfterIt) {
    StepperFixture f;
    f.addPictures(1);
    f.picture.setPicture(QImage(2, 2, QImage::Format_RGB32), std::nullopt);
    f.stepper->nextCommand();
    ASSERT_EQ(f.announcer.calls.size(), 1u);
    EXPECT_EQ(f.announcer.calls[0].lamp, colours::kRed);
    EXPECT_NE(f.announcer.calls[0].pictureTopLeft, StepperFixture::pictureColour(1))
        << "the picture must change only after the announcement";
    EXPECT_EQ(f.picture.picture().pixel(0, 0), StepperFixture::pictureColour(1));
    EXPECT_EQ(f.picture.transparentColour(), StepperFixture::pictureColour(1))
        << "the lower-left pixel's colour is transparent";
    EXPECT_EQ(f.lampColour(), colours::kActiveCaption);
}

TEST(Stepping, RepeatAndRepeatFrom) {
    struct Case {
        const char* name;
        int counterBefore;
        QString field; // typed for repeat-from; empty = repeat command
        std::vector<int> played;
        int counterAfter;
        bool endMessage;
    };
    const Case cases[] = {
        {"repeat replays the last media", 2, "", {2}, 2, false},
        {"repeat in the fresh state plays the opening", 0, "", {0}, 0, false},
        {"repeat of a missing picture plays nothing", 9, "", {}, 9, false},
        {"typed 3 plays media 3", 0, "3", {3}, 3, false},
        {"blank and sign accepted", 0, "  +2", {2}, 2, false},
        {"hexadecimal accepted", 0, "$2", {2}, 2, false},
        {"letters count as 0: opening", 2, "abc", {0}, 0, false},
        {"negative number ends the test", 2, "-3", {}, 0, true},
        {"beyond the last picture ends the test", 1, "9", {}, 0, true},
    };
    for (const Case& c : cases) {
        StepperFixture f;
        f.addPictures(3);
        f.stepper->MovementCounter = c.counterBefore;
        if (c.field.isEmpty()) {
            f.stepper->repeatCommand();
        } else {
            f.number.setText(c.field);
            f.stepper->prepareRepeatFrom();
            f.stepper->nextCommand();
        }
        EXPECT_EQ(f.announcer.numbers(), c.played) << c.name;
        EXPECT_EQ(f.stepper->MovementCounter, c.counterAfter) << c.name;
        EXPECT_EQ(!f.dialogs.messages.empty(), c.endMessage) << c.name;
    }

    StepperFixture f;
    f.addPictures(3);
    f.stepper->MovementCounter = 2;
    f.number.setText(QString());
    f.stepper->prepareRepeatFrom();
    f.stepper->nextCommand();
    EXPECT_EQ(f.announcer.numbers(), (std::vector<int>{0})) << "an empty field plays the opening";
}

TEST(Stepping, PictureErrorsEndTheCommandWithTheLampRed) {
    struct Case {
        const char* name;
        QByteArray zeroBmp; // empty: missing
        QString expectedMessage;
    };
    const Case cases[] = {
        {"missing opening picture", {}, "Datei %1 kann nicht geöffnet werden."},
        {"not a bitmap", "das ist kein Bild", "Bitmap ist ungültig."},
    };
    for (const Case& c : cases) {
        StepperFixture f;
        f.folder.makeFolder("G/T");
        if (!c.zeroBmp.isEmpty())
            f.folder.write("G/T/0.bmp", c.zeroBmp);
        f.document.setPlainText(kDocument);
        f.number.setText("7");
        const QImage before = f.picture.picture();
        runHandler([&] { f.stepper->beginCommand(); });

        ASSERT_EQ(f.dialogs.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.dialogs.messages[0].text,
                  QString(c.expectedMessage).arg(f.folder.path() + "G/T/0.bmp"))
            << c.name;
        EXPECT_EQ(f.dialogs.messages[0].caption, "Trelvan-Control");
        EXPECT_EQ(f.dialogs.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(f.announcer.numbers(), (std::vector<int>{0})) << "announced before the picture";
        EXPECT_EQ(f.lampColour(), colours::kRed) << c.name;
        EXPECT_EQ(f.number.text(), "7") << "field not updated: " << c.name;
        EXPECT_EQ(f.picture.picture(), before) << c.name;
        EXPECT_EQ(f.stepper->MovementCounter, 0);
    }
}

TEST(Stepping, WithoutTestMediaAreLookedForInTheProgramFolder) {
    StepperFixture f;
    f.test.TestFolderPath.clear();
    f.test.TestName.clear();
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    image.save(f.folder.file("1.bmp"), "BMP");
    f.stepper->nextCommand();
    ASSERT_EQ(f.announcer.calls.size(), 1u);
    EXPECT_EQ(f.announcer.calls[0].path, f.folder.file("1.wav"));
    EXPECT_EQ(f.number.text(), "2");
}

} // namespace
