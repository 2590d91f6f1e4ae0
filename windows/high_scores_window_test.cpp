// The high-score window: entering the run into "vrhhs.txt", the jingle, the
// pulsing row, the scrolling bands and the way back to the title menu.
#include "windows/ShellTestKit.h"

#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "meta/HighScoreTable.h"
#include "windows/progress/HighScoresWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
// The default table with the run entered; empty when it does not land at `place` (1-based).
std::string defaultFileWith(int place, const std::string& name, double score, double level) {
    HighScoreTable t = defaultHighScores();
    return insertHighScore(t, name, score, level) == place - 1 ? serializeHighScores(t) : std::string();
}
}  // namespace

class HighScoresWindowTest : public QObject {
    Q_OBJECT

    static HighScoresWindow* open(Rig& r, int64_t score, int level, const std::string& name) {
        r.app->g.score = score;
        r.app->g.level = level;
        r.app->globals.playerName = name;
        r.forms->show(FormId::highScores);
        return r.get<HighScoresWindow>(FormId::highScores);
    }

private slots:
    // Guards a missing file not being created from the default table with the run in it.
    void missingFileGetsTheDefaultTableWithTheRunInIt() {
        Rig r(false);
        QCOMPARE(r.read(kHighScoreFileName), std::string("<missing>"));
        HighScoresWindow* w = open(r, 47000, 9, "Ann");
        QCOMPARE(r.read(kHighScoreFileName), defaultFileWith(2, "Ann", 47000, 9));
        QCOMPARE(rowText(w->table(), 1).name, std::string("Ann"));
        QCOMPARE(rowText(w->table(), 9).name, std::string("Inc."));  // "Enjoy!" fell out
        QVERIFY(r.app->globals.flags.highScoresShowing && !r.app->globals.newGameAllowed);
    }

    // Guards an equal score going above, the wrong row pulsing, and the six-step colour cycle.
    void equalScoreGoesBelowAndOnlyTheTopmostEqualRowPulses() {
        Rig r(false);
        r.write(kHighScoreFileName, highScoreResetText());
        HighScoresWindow* w = open(r, 45000, 4, "Bo");
        QCOMPARE(r.read(kHighScoreFileName), defaultFileWith(3, "Bo", 45000, 4));
        const auto& shades = HighScoresWindow::flashColors();
        for (int tick = 1; tick <= 7; ++tick) {  // round again every 600 ms
            r.tick(100);
            const int step = (tick - 1) % 6 + 1;
            QCOMPARE(w->flashStep(), step);
            QCOMPARE(w->rowColors()[1], shades[size_t(step - 1)]);  // "Tolm", 45000, above the run
            for (int i = 0; i < 10; ++i)
                if (i != 1) QCOMPARE(w->rowColors()[size_t(i)], QColor(Qt::black));
        }
    }

    // Guards the jingle's device commands on opening and on closing.
    void theJinglePlaysFromTheStartAndStopsWithTheWindow() {
        Rig r(false);
        r.write("hs.wav", "RIFF");
        const std::string jingle = r.app->paths.fileHighScoreSnd;
        open(r, 0, 1, "Dee");
        for (const std::string& c : {"open " + jingle, "play " + jingle})
            QVERIFY2(r.commands(c) > 0, c.c_str());
        r.audio.calls.clear();
        r.forms->unload(FormId::highScores);
        QCOMPARE(r.audio.calls, (std::vector<std::string>{"stop " + jingle,
                                                           "close " + jingle}));
        QVERIFY(!r.app->globals.flags.highScoresShowing);
    }

    // Guards the hand-over from game over to the table and from Okay to the title.
    void gameOverEntersTheRunAndOkayLeadsToTheTitle() {
        Rig r;
        r.write(kHighScoreFileName, highScoreResetText());
        r.app->globals.playerName = "Eve";
        r.forms->show(FormId::game);
        r.app->g.score = 12345;
        r.app->g.level = 6;
        r.app->g.lives = 0;
        r.tick(50);  // the game tick ends the run
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(r.msg.shown()[0].text, std::string("Game Over"));
        HighScoresWindow* w = r.get<HighScoresWindow>(FormId::highScores);
        QVERIFY(w);
        QCOMPARE(r.read(kHighScoreFileName), defaultFileWith(9, "Eve", 12345, 6));
        r.tick(100);
        Rig::flush();
        QVERIFY(!r.forms->loaded(FormId::game));
        QCOMPARE(w->rowColors()[8], HighScoresWindow::flashColors()[0]);

        QTest::mouseClick(w, Qt::LeftButton, {}, HighScoresWindow::okayLabelRect().center());
        Rig::flush();
        QVERIFY(!r.forms->loaded(FormId::highScores) && !r.app->globals.flags.highScoresShowing);
        QVERIFY(r.forms->loaded(FormId::titleMenu) && r.forms->find(FormId::titleMenu)->isVisible());
    }

    // Guards the title menu staying open under the table, on opening or on a later tick.
    void openingAndTickingCloseTheTitleMenu() {
        Rig r(false);
        r.forms->show(FormId::titleMenu);
        open(r, 0, 1, "Fay");
        QVERIFY(!r.forms->loaded(FormId::titleMenu));
        r.forms->show(FormId::titleMenu);
        r.tick(100);
        QVERIFY(!r.forms->loaded(FormId::titleMenu));
    }

    // Guards a failed write being silent, repeated every tick, or clobbering the old file.
    void aFailedWriteTellsThePlayerOnceAndKeepsTheOldFile() {
        Rig r(false);
        r.write(kHighScoreFileName, highScoreResetText());
        r.blockWrites(kHighScoreFileName);
        HighScoresWindow* w = open(r, 47000, 9, "Jo");
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QVERIFY(!r.msg.shown()[0].isQuestion);
        QCOMPARE(r.msg.shown()[0].text, std::string("The high score table could not be stored."));
        QCOMPARE(r.read(kHighScoreFileName), highScoreResetText());
        r.tick(1000);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(rowText(w->table(), 1).name, std::string("Jo"));  // shown all the same
    }

    // Guards drawing every tile a band ever appended (work growing with time open).
    void bandsDrawOnlyTheirVisibleTilesEvenAfterLongOpening() {
        Rig r(false);
        HighScoresWindow* w = open(r, 0, 1, "Kit");
        auto copies = [&] {  // background tiles in sight; -1 for anything else
            int n = 0;
            for (const DrawOp& op : w->frame().ops) {
                if (op.kind != DrawOp::Copy || op.picture.pic != Pic::imgBG2 || op.w != 484 || op.h != 163) return -1;
                if (op.x >= 328 || op.x + 484 <= 0) return -1;
                ++n;
            }
            return n;
        };
        r.tick(100);
        QCOMPARE(copies(), 6);  // two per band to start with
        r.tick(100 * 6000);     // ten minutes
        QVERIFY(w->bands().band1.tileCount() > 40);
        const int later = copies();
        QVERIFY(later >= 3 && later <= 6);
    }
};

VRH_QT_TEST(HighScoresWindowTest)
#include "high_scores_window_test.moc"
