// Faults around the windows: an unwritable program folder, a window deleted inside a box.
#include <unistd.h>

#include <QtTest>

#include "platform/AppFolder.h"
#include "tests/support/QtTestMain.h"
#include "ui/DeferredDelete.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;
namespace fs = std::filesystem;

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the fallback folder when the program's own cannot be written.
    void aFolderThatCannotBeWrittenFallsBackToTheDataFolder() {
        const ScratchFolder base("vrh_readonly");
        fs::path exe = base / "exe";
        fs::create_directories(exe);
        fs::permissions(exe, fs::perms::owner_read | fs::perms::owner_exec);
        if (::access(exe.c_str(), W_OK) == 0)  // root writes anywhere: the folder lies under a plain file
            std::ofstream(base / "blocker") << "x", exe = base / "blocker" / "exe";
        qputenv("XDG_DATA_HOME", (base / "data").string().c_str());  // left set: no other test reads it
        const fs::path folder = chooseAppFolder(exe);
        fs::permissions(base / "exe", fs::perms::owner_all);
        QVERIFY(folder == base / "data" / "varnholt" && fs::is_directory(folder));
    }

    // Guards a window deleted by the nested loop of a box its own handler opened.
    void aWindowUnloadedWhileABoxIsOpenLivesUntilItsHandlerReturned() {
        QPointer<QWidget> window = new QWidget;
        bool aliveAfterTheBox = false;
        QEventLoop mainLoop;
        QTimer::singleShot(0, [&] {  // the window's timer handler opens a box
            QEventLoop box;
            QTimer::singleShot(0, [&] {  // inside the box another window's timer unloads it
                deleteWhenHandlersReturned(window);
                QTimer::singleShot(60, &box, &QEventLoop::quit);
            });
            box.exec();
            aliveAfterTheBox = !window.isNull();
            QTimer::singleShot(60, &mainLoop, &QEventLoop::quit);
        });
        mainLoop.exec();
        QVERIFY(aliveAfterTheBox);
        QTRY_VERIFY(window.isNull());  // and it does go
    }
};

VRH_QT_TEST(FaultsTest)
#include "faults_test.moc"
