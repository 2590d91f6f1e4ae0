// Every key the configuration offers can really be pressed: its code is one
// the platform keyboard produces.
#include <QtTest>

#include <set>

#include "platform/qt/QtKeyboard.h"
#include "shell/KeyNames.h"

using namespace vrh;

class KeyCodesTest : public QObject {
    Q_OBJECT
private slots:
    void everyListedCodeIsProduced() {
        std::set<int> produced;
        for (bool keypad : {false, true}) {
            for (int k = 0x20; k <= 0x7e; ++k) produced.insert(virtualKeyOf(k, keypad));
            for (int k = 0x01000000; k <= 0x010000ff; ++k) produced.insert(virtualKeyOf(k, keypad));
        }
        for (const KeyName& k : keyNameList())
            QVERIFY2(produced.count(k.code), std::string(k.name).c_str());
        QCOMPARE(virtualKeyOf(Qt::Key_5, true), keyCodeOf("NumPad5").value());
        QCOMPARE(virtualKeyOf(Qt::Key_Space, false), keyCodeOf("SpaceBar").value());
        QCOMPARE(virtualKeyOf(Qt::Key_Return, false), keyCodeOf("Enter").value());
        QCOMPARE(virtualKeyOf(Qt::Key_Shift, false), keyCodeOf("Shift").value());
    }
};

QTEST_MAIN(KeyCodesTest)
#include "key_codes_test.moc"
