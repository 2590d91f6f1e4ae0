// The high-score window: entering the run into "vrhhs.txt", the jingle, the
// pulsing row, the scrolling bands and the way back to the title menu.
#include "MetaTestRig.h"

#include <QtTest>

#include "meta/HighScoreTable.h"
#include "meta/ui/FrmHighScores.h"

using namespace vrh;
using namespace vrh::testing;

namespace {
// The default table with the run entered, as the game writes it; empty when
// the run does not land at `place` (1-based).
std::string defaultFileWith(int place, const std::string& name, double score, double level) {
    HighScoreTable t = defaultHighScores();
    return insertHighScore(t, name, score, level) == place - 1 ? serializeHighScores(t) : std::string();
}

bool sent(const RecordingMci& mci, const std::string& command) {
    return std::find(mci.commands.begin(), mci.commands.end(), command) != mci.commands.end();
}
}  // namespace

class HighScoresWindowTest : public QObject {
    Q_OBJECT

    static FrmHighScores* open(Rig& r, int64_t score, int level, const std::string& name) {
        r.app->g.score = score;
        r.app->g.level = level;
        r.app->globals.playerName = name;
        r.forms->show(FormId::frmHighScores);
        return r.get<FrmHighScores>(FormId::frmHighScores);
    }

private slots:
    void missingFileGetsTheDefaultTableWithTheRunInIt() {
        Rig r(false);
        QVERIFY(!r.exists(kHighScoreFileName));
        FrmHighScores* w = open(r, 47000, 9, "Ann");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("High Scores"));
        QCOMPARE(w->size(), QSize(328, 474));
        QCOMPARE(r.read(kHighScoreFileName), defaultFileWith(2, "Ann", 47000, 9));
        QCOMPARE(rowText(w->table(), 1).name, std::string("Ann"));
        QCOMPARE(rowText(w->table(), 9).name, std::string("Inc."));  // "Enjoy!" fell out
        QVERIFY(r.app->globals.flags.highScoresShowing);
        QVERIFY(!r.app->globals.newGameAllowed);
    }

    void equalScoreGoesBelowAndOnlyTheTopmostEqualRowPulses() {
        Rig r(false);
        r.write(kHighScoreFileName, highScoreResetText());
        FrmHighScores* w = open(r, 45000, 4, "Bo");
        QCOMPARE(r.read(kHighScoreFileName), defaultFileWith(3, "Bo", 45000, 4));
        r.tick(100);
        const auto& shades = FrmHighScores::flashColors();
        QCOMPARE(w->flashStep(), 1);
        QCOMPARE(w->rowColors()[1], shades[0]);  // "Tolm", 45000, above the run
        for (int i = 0; i < 10; ++i)
            if (i != 1) QCOMPARE(w->rowColors()[size_t(i)], QColor(Qt::black));
        // Through the six blues and round again every 600 ms.
        for (int step = 2; step <= 6; ++step) {
            r.tick(100);
            QCOMPARE(w->flashStep(), step);
            QCOMPARE(w->rowColors()[1], shades[size_t(step - 1)]);
        }
        r.tick(100);
        QCOMPARE(w->flashStep(), 1);
        QCOMPARE(w->rowColors()[1], shades[0]);
    }

    void scoreBelowTheTableLeavesItButAnEqualLastPlacePulses() {
        Rig r(false);
        r.write(kHighScoreFileName, highScoreResetText());
        open(r, 4000, 2, "Cy");
        QCOMPARE(r.read(kHighScoreFileName), highScoreResetText());
        r.forms->unload(FormId::frmHighScores);
        Rig::flushDeletes();

        FrmHighScores* w = open(r, 5000, 2, "Cy");
        QCOMPARE(r.read(kHighScoreFileName), highScoreResetText());
        r.tick(300);
        QCOMPARE(w->rowColors()[9], FrmHighScores::flashColors()[2]);
    }

    void theJinglePlaysFromTheStartAndStopsWithTheWindow() {
        Rig r(false);
        r.write("hs.wav", "RIFF");
        const std::string jingle = r.app->paths.fileHighScoreSnd;
        open(r, 0, 1, "Dee");
        QVERIFY(sent(r.mci, "Open " + jingle + " wait"));
        QVERIFY(sent(r.mci, "Seek " + jingle + " to 0"));
        QVERIFY(sent(r.mci, "Play " + jingle));
        r.mci.commands.clear();
        r.forms->unload(FormId::frmHighScores);
        QCOMPARE(r.mci.commands, (std::vector<std::string>{"Seek " + jingle + " to 0", "Stop " + jingle,
                                                           "Close " + jingle}));
        QVERIFY(!r.app->globals.flags.highScoresShowing);
    }

    void gameOverEntersTheRunAndOkayLeadsToTheTitle() {
        Rig r;
        r.write(kHighScoreFileName, highScoreResetText());
        r.app->globals.playerName = "Eve";
        r.forms->show(FormId::frmVarnholt);
        QVERIFY(r.game());
        r.app->g.score = 12345;
        r.app->g.level = 6;
        r.app->g.lives = 0;
        r.tick(50);  // the game tick ends the run
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(r.msg.shown()[0].text, std::string("Game Over"));
        FrmHighScores* w = r.get<FrmHighScores>(FormId::frmHighScores);
        QVERIFY(w);
        QCOMPARE(r.read(kHighScoreFileName), defaultFileWith(9, "Eve", 12345, 6));
        r.tick(100);
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmVarnholt));
        QCOMPARE(w->rowColors()[8], FrmHighScores::flashColors()[0]);

        QTest::mouseClick(w, Qt::LeftButton, {}, FrmHighScores::lblOkayRect().center());
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmHighScores));
        QVERIFY(r.forms->loaded(FormId::frmMainForm));
        QVERIFY(r.forms->find(FormId::frmMainForm)->isVisible());
        QVERIFY(!r.app->globals.flags.highScoresShowing);
    }

    void openingAndTickingCloseTheTitleMenu() {
        Rig r(false);
        r.forms->show(FormId::frmMainForm);
        open(r, 0, 1, "Fay");
        QVERIFY(!r.forms->loaded(FormId::frmMainForm));
        r.forms->show(FormId::frmMainForm);
        r.tick(100);
        QVERIFY(!r.forms->loaded(FormId::frmMainForm));
    }

    void aFailedWriteTellsThePlayerOnceAndKeepsTheOldFile() {
        Rig r(false);
        r.write(kHighScoreFileName, highScoreResetText());
        r.blockWrites(kHighScoreFileName);
        FrmHighScores* w = open(r, 47000, 9, "Jo");
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QVERIFY(!r.msg.shown()[0].isQuestion);
        QCOMPARE(r.msg.shown()[0].text, std::string("The high score table could not be stored."));
        QCOMPARE(r.read(kHighScoreFileName), highScoreResetText());
        r.tick(1000);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(rowText(w->table(), 1).name, std::string("Jo"));  // shown all the same
    }

    void bandsDrawOnlyTheirVisibleTilesEvenAfterLongOpening() {
        Rig r(false);
        FrmHighScores* w = open(r, 0, 1, "Kit");
        r.tick(100);
        // Two tiles per band to start with: six copies of the background tile.
        auto copies = [&] {
            int n = 0;
            for (const DrawOp& op : w->frame().ops) {
                if (op.kind != DrawOp::Copy || op.picture.pic != Pic::imgBG2) return -1;
                if (op.w != 484 || op.h != 163) return -1;
                if (op.x >= 328 || op.x + 484 <= 0) return -1;  // a tile out of sight
                ++n;
            }
            return n;
        };
        QCOMPARE(copies(), 6);
        QCOMPARE(w->frame().ops[0].y, int16_t(0));
        QCOMPARE(w->frame().ops[2].y, int16_t(156));
        QCOMPARE(w->frame().ops[4].y, int16_t(315));
        r.tick(100 * 6000);  // ten minutes
        QVERIFY(w->bands().band1.tileCount() > 40);
        const int later = copies();
        QVERIFY(later >= 3 && later <= 6);
    }
};

QTEST_MAIN(HighScoresWindowTest)
#include "high_scores_window_test.moc"
