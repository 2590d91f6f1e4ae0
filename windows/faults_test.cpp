// Faults around the windows: an unwritable program folder, a window deleted
// inside a box, two copies saving at once.
#include <unistd.h>

#include <QtTest>

#include "meta/SaveSlots.h"
#include "platform/AppFolder.h"
#include "tests/support/QtTestMain.h"
#include "ui/DeferredDelete.h"
#include "windows/ShellTestKit.h"
#include "windows/progress/SaveSlotsWindow.h"

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
        if (::access(exe.c_str(), W_OK) == 0) {  // root writes anywhere: the folder lies under a plain file
            std::ofstream(base / "blocker") << "x";
            exe = base / "blocker" / "exe";
        }
        const QByteArray xdgBefore = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", (base / "data").string().c_str());
        const fs::path folder = chooseAppFolder(exe);
        QCOMPARE(folder, base / "data" / "varnholt");
        QVERIFY(fs::is_directory(folder));
        fs::permissions(base / "exe", fs::perms::owner_all);
        if (xdgBefore.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdgBefore);
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

    // Guards a save in one copy of the game wiping a slot another copy saved meanwhile.
    void twoCopiesSavingKeepBothSlots() {
        Rig first;
        Rig second(first.folder);
        for (Rig* r : {&first, &second}) {
            r->app->globals.loadMode = false;
            r->forms->show(FormId::saveSlots);  // both pickers read the file now
        }
        first.app->globals.playerName = "First";
        second.app->globals.playerName = "Second";
        for (auto [r, slot] : {std::pair{&second, 1}, std::pair{&first, 0}}) {
            r->msg.answer(MsgButton::Yes);
            r->get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(slot);
        }
        SaveSlots onDisk;
        readSaveFile(onDisk, first.file(kSaveFileName));
        QCOMPARE(displayText(onDisk.at(0, SaveField::Name)), std::string("First"));
        QCOMPARE(displayText(onDisk.at(1, SaveField::Name)), std::string("Second"));
    }
};

VRH_QT_TEST(FaultsTest)
#include "faults_test.moc"
