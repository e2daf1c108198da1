#pragma once

#include "FakeDialogs.h"
#include "TempProgramFolder.h"
#include "platform/Colours.h"
#include "platform/ImageView.h"
#include "testcaller/Announcer.h"
#include "testcaller/MovementStepper.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <memory>

namespace trelvan::test {

// Records each announcement with what the window showed at that moment.
class RecordingAnnouncer final : public Announcer {
public:
    struct Call {
        QString path;
        QColor lamp;
        QRgb pictureTopLeft;
    };
    std::vector<Call> calls;
    QLabel* lamp = nullptr;
    ImageView* picture = nullptr;

    void playToEnd(const QString& path) override {
        calls.push_back({path, lamp->palette().color(QPalette::Window),
                         picture->picture().isNull() ? 0 : picture->picture().pixel(0, 0)});
    }

    // The media numbers announced, in order ("0.wav" -> 0).
    std::vector<int> numbers() const {
        std::vector<int> result;
        for (const Call& call : calls)
            result.push_back(call.path.section('/', -1).section('.', 0, 0).toInt());
        return result;
    }
};

// A test folder "G/T/" in a temporary program folder, with the main window's
// controls that stepping works on.
class StepperFixture {
public:
    StepperFixture() {
        test.ExeFolder = folder.path();
        test.TestFolderPath = QStringLiteral("G/T/");
        test.TestName = QStringLiteral("T");
        picture.setPicture(QImage(4, 4, QImage::Format_RGB32), std::nullopt);
        announcer.lamp = &lamp;
        announcer.picture = &picture;
        stepper = std::make_unique<MovementStepper>(
            StepperViews{&document, &number, &lamp, &picture}, test, announcer);
        number.setText(QStringLiteral("0"));
    }

    // A one-colour 2 × 2 bitmap for media n; its colour tells it apart.
    void addPicture(int n) {
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(pictureColour(n));
        image.save(folder.file(QStringLiteral("G/T/%1.bmp").arg(n)), "BMP");
    }
    void addPictures(int upTo) {
        folder.makeFolder(QStringLiteral("G/T"));
        for (int n = 0; n <= upTo; ++n)
            addPicture(n);
    }
    static QRgb pictureColour(int n) { return qRgb(10 * n + 5, 100, 200); }

    QString selectedText() const {
        return document.textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n');
    }
    QColor lampColour() const { return lamp.palette().color(QPalette::Window); }

    TempProgramFolder folder;
    FakeDialogs dialogs;
    TestSelection test;
    QTextEdit document;
    QLineEdit number;
    QLabel lamp;
    ImageView picture;
    RecordingAnnouncer announcer;
    std::unique_ptr<MovementStepper> stepper;
};

} // namespace trelvan::test
