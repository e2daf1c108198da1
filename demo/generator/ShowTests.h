#pragma once

#include "Pictures.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace trelvan::demo {

// One line of a movement in the test document: the marker letters (may be
// empty) and what is ridden there.
struct Line {
    QString at;
    QString text;
};

struct Movement {
    std::vector<Line> lines; // the first carries the movement's number
    QString speech;          // the announcement, as spoken
    std::function<Track()> track;
};

struct DressageTest {
    QString group;         // group folder
    QString name;          // test folder, document name
    QString title;         // bold first line
    QStringList headings;  // further lines before the movements
    bool paragraphPerLine; // continuation lines as own paragraphs or as line breaks
    QString openingSpeech; // announcement 0
    std::vector<Movement> movements;
};

const std::vector<DressageTest>& demoTests();

} // namespace trelvan::demo
