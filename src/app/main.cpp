// Start-up: the application, its four windows in their fixed order, and the
// message loop until the main window closes.
#include "app/Main.h"
#include "app/Info.h"
#include "music/Musik.h"
#include "platform/ErrorBox.h"
#include "platform/ProgramFolder.h"
#include "testcaller/Announcer.h"
#include "testcaller/Aufgabe.h"

#include <QApplication>
#include <QFileInfo>

using namespace trelvan;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(kApplicationTitle);
    // The music desk may stay open after the main window closed; closing the
    // main window alone ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        setProgramFolder(programFolderFromArguments(QCoreApplication::arguments(),
                                                    QCoreApplication::applicationFilePath()));
        setExecutableFileName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());

        frmMain = new TfrmMain(systemAnnouncer());
        frmAufgabe = new TfrmAufgabe(*frmMain, frmMain);
        frmInfo = new TfrmInfo(frmMain);
        frmMusik = new TfrmMusik();
        frmMain->show();
        application.exec();
        // The music desk's lists and volumes are kept also when the operator
        // quits with the desk still open.
        runHandler([] { frmMusik->SaveMusicSettings(); });
    } catch (const Exception& error) {
        showErrorBox(error.message());
    } catch (...) {
        showErrorBox(QString());
    }
    delete frmMusik;
    delete frmMain;
    return 0;
}
