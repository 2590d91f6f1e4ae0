// The credits window over a running game.
#include <QLabel>
#include <QtTest>

#include "combat/ui/FrmVarnholt.h"
#include "shell/ui/FrmAbout.h"
#include "ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

namespace {

struct About {
    About() {
        kit.forms->show(FormId::frmVarnholt);
        game = &kit.get<FrmVarnholt>(FormId::frmVarnholt)->model();
        kit.get<FrmVarnholt>(FormId::frmVarnholt)->mnuAbout_Click();
        game->tmrTankShot.Tag = "1";
    }
    FrmAbout* w() { return kit.get<FrmAbout>(FormId::frmAbout); }
    int tankShots() { return kit.commands("Play " + kit.app->snd.sndTankShot.deviceName()); }
    ShellKit kit;
    GameWindow* game = nullptr;
};

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void okayPlaysTheTankShotOnceAndResumes() {
        About a;
        QCOMPARE(a.w()->windowTitle(), QStringLiteral("About"));
        QStringList headings;
        for (QLabel* l : a.w()->headings) headings << l->text();
        QCOMPARE(headings, (QStringList{"Programing, Idea and Producer:", "Sprites:", "Music:", "Sounds:", "Special Thanks:"}));
        QCOMPARE(a.w()->musicLines.size(), size_t(11));
        QCOMPARE(a.w()->musicLines[0]->text().section(" ~ ", 0, 0), QStringLiteral("Stardust Speedway Zone"));
        QVERIFY(a.kit.app->globals.flags.aboutShowing);
        QTest::mouseClick(a.w()->lblokayy, Qt::LeftButton);
        QCOMPARE(a.tankShots(), 1);
        QVERIFY(a.game->tmrMoves.Enabled() && a.game->tmrTankShot.Enabled());
        QVERIFY(!a.kit.forms->loaded(FormId::frmAbout) && !a.kit.app->globals.flags.aboutShowing);
    }

    void okayWithoutTheTankShot() {
        About a;
        a.game->tmrTankShot.Tag = "0";
        a.w()->lblokayy_Click();
        QCOMPARE(a.tankShots(), 0);
        QVERIFY(a.game->tmrMoves.Enabled() && !a.game->tmrTankShot.Enabled());
    }

    void closeBoxDoesNotResume() {
        About a;
        a.w()->close();
        QVERIFY(!a.kit.forms->loaded(FormId::frmAbout) && !a.kit.app->globals.flags.aboutShowing);
        QVERIFY(!a.game->tmrMoves.Enabled() && !a.game->tmrTankShot.Enabled());
        QCOMPARE(a.tankShots(), 0);
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
