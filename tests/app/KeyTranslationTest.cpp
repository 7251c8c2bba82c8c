// Qt key events into the virtual-key codes and shift masks the game's key handlers take.
#include <QKeyEvent>
#include <QtTest>

#include "app/KeyTranslation.h"
#include "core/Game.h"

using namespace tolvar;

class KeyTranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void translatesKeysAndModifiers_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<quint32>("nativeKeysym");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        const int ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << 0u << 37 << 0;
        QTest::newRow("up") << int(Qt::Key_Up) << 0 << 0u << 38 << 0;
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << 0u << 39 << 0;
        QTest::newRow("down") << int(Qt::Key_Down) << 0 << 0u << 40 << 0;
        QTest::newRow("keypad left, Num Lock off") << int(Qt::Key_Left) << int(Qt::KeypadModifier) << 0u << 37 << 0;
        QTest::newRow("shift+up") << int(Qt::Key_Up) << int(Qt::ShiftModifier) << 0u << 38 << 1;
        QTest::newRow("F9") << int(Qt::Key_F9) << 0 << 0u << 120 << 0;
        QTest::newRow("ctrl+F9") << int(Qt::Key_F9) << int(Qt::ControlModifier) << 0u << 120 << 2;
        QTest::newRow("alt+F9") << int(Qt::Key_F9) << int(Qt::AltModifier) << 0u << 120 << 4;
        QTest::newRow("ctrl+alt+F9") << int(Qt::Key_F9) << ctrlAlt << 0u << 120 << 6;
        QTest::newRow("ctrl+alt+shift+F9") << int(Qt::Key_F9) << int(ctrlAlt | Qt::ShiftModifier) << 0u << 120 << 7;
        // The desktop's console switch, with no Qt key of its own.
        QTest::newRow("console-9 keysym") << 0 << ctrlAlt << quint32(SwitchVt9Keysym) << 120 << 6;
        QTest::newRow("console-9 keysym, modifiers lost") << 0 << 0 << quint32(SwitchVt9Keysym) << 120 << 6;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 0u << 112 << 0;
        QTest::newRow("letter") << int(Qt::Key_N) << int(Qt::ControlModifier) << 0u << 78 << 2;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << 0u << 55 << 0;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 0u << 103 << 0;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << 0u << 32 << 0;
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << 0u << 13 << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << 0u << 27 << 0;
        QTest::newRow("unknown key") << int(Qt::Key_VolumeUp) << 0 << 0u << 0 << 0;
    }
    void translatesKeysAndModifiers()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(quint32, nativeKeysym);
        QFETCH(int, code);
        QFETCH(int, shift);
        const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::KeyboardModifiers(modifiers), 0, nativeKeysym, 0);
        const VirtualKey key = TranslateKey(event);
        QCOMPARE(key.code, code);
        QCOMPARE(key.shift, shift);
    }

    // A held key arrives as repeated presses; each one is the same key for the game.
    void autoRepeatTranslatesLikeAPress()
    {
        const QKeyEvent first(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        const QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QCOMPARE(TranslateKey(repeat), TranslateKey(first));
    }

    // Only the arrows and F9 may reach the game as move or skip keys: the printable
    // keys (37..40 are '%', '&', '\'', '(' in Qt's numbering) must not.
    void noPrintableKeyBecomesAMoveOrSkipKey()
    {
        for (int key = 0x20; key <= 0x7e; ++key)
            for (bool keypad : {false, true}) {
                const int code = VirtualKeyCode(key, keypad);
                QVERIFY2(code != VK_F9 && (code < VK_LEFT || code > VK_DOWN), qPrintable(QString::number(key)));
            }
    }
};

QTEST_MAIN(KeyTranslationTest)
#include "KeyTranslationTest.moc"
