// The high-score window: the run entered into "vrhhs.txt", the pulsing row,
// the jingle, and a file that cannot be written.
#include <QtTest>

#include "meta/HighScoreTable.h"
#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/progress/HighScoresWindow.h"

using namespace vrh;
using namespace vrh::test;

class HighScoresWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the run not entered or the file not rewritten (a failed write silent,
    // told every tick or clobbering the old file), the wrong row pulsing, the
    // six-step colour cycle, and the jingle left playing.
    void theRunIsStoredAndItsRowPulses() {
        for (bool blocked : {false, true}) {
            Rig r;
            r.write(kHighScoreFileName, highScoreResetText());
            if (blocked) r.blockWrites(kHighScoreFileName);
            r.write("hs.wav", "RIFF");
            r.app->g.score = 45000;
            r.app->g.level = 4;
            r.app->globals.playerName = "Bo";
            r.forms->show(FormId::highScores);
            auto* w = r.get<HighScoresWindow>(FormId::highScores);
            HighScoreTable expected = defaultHighScores();
            QCOMPARE(insertHighScore(expected, "Bo", 45000, 4), 2);  // below the equal "Tolm"
            QCOMPARE(r.read(kHighScoreFileName), blocked ? highScoreResetText() : serializeHighScores(expected));
            for (int tick = 1; tick <= 7; ++tick) {  // round again every 600 ms
                r.tick(100);
                for (int i = 0; i < 10; ++i)
                    QCOMPARE(w->rowColors()[size_t(i)], i == 1 ? HighScoresWindow::flashColors()[size_t((tick - 1) % 6)] : QColor(Qt::black));
            }
            QCOMPARE(r.msg.shown().size(), size_t(blocked ? 1 : 0));
            const std::string jingle = r.app->paths.fileHighScoreSnd;
            QCOMPARE(r.commands("play " + jingle), 1);
            r.forms->unload(FormId::highScores);
            QVERIFY(r.commands("stop " + jingle) == 1 && !r.app->globals.flags.highScoresShowing);
        }
    }
};

VRH_QT_TEST(HighScoresWindowTest)
#include "high_scores_window_test.moc"
