// The program's timers on Qt's event loop.
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "platform/Timer.h"
#include "ui/QtPlatform.h"

using namespace vrh;

class QtTimersTest : public QObject {
    Q_OBJECT
private slots:
    // Guards timers firing while disabled or removed, or running slower than asked.
    void shortTimersRunAtTheShortestIntervalAndFireOnlyWhileEnabled() {
        QtTimerDriver driver;
        Timer asap{1, true}, tick{50, false};
        int asapFired = 0, tickFired = 0;
        asap.handler = [&] { ++asapFired; };
        tick.handler = [&] { ++tickFired; };
        driver.add(asap);
        driver.add(tick);
        QCOMPARE(driver.runningInterval(asap), QtTimerDriver::kShortestIntervalMs);
        QCOMPARE(driver.runningInterval(tick), 50);

        QTRY_VERIFY(asapFired >= 2);
        QCOMPARE(tickFired, 0);
        tick.setEnabled(true);
        QTRY_VERIFY(tickFired >= 1);
        asap.setEnabled(false);
        const int stopped = asapFired;
        QTest::qWait(4 * QtTimerDriver::kShortestIntervalMs);
        QCOMPARE(asapFired, stopped);

        driver.remove(tick);
        QCOMPARE(driver.runningInterval(tick), 0);
        const int removed = tickFired;
        QTest::qWait(120);
        QCOMPARE(tickFired, removed);
    }
};

VRH_QT_TEST(QtTimersTest)
#include "qt_timers_test.moc"
