#pragma once

#include <QString>

namespace trelvan {

// The program folder and the test the caller is to show. `TestFolderPath` is
// relative to `ExeFolder`: group folder, separator, test folder, separator.
struct TestSelection {
    QString ExeFolder;
    QString TestFolderPath;
    QString TestName;

    // The test's document: named after the test, in its folder.
    QString documentPath() const { return ExeFolder + TestFolderPath + TestName + ".rtf"; }
};

// What the test chooser needs of the window that shows the test.
class TestHost {
public:
    virtual ~TestHost() = default;
    virtual TestSelection& chosenTest() = 0;
    virtual void LoadTestDocument() = 0;
};

} // namespace trelvan
