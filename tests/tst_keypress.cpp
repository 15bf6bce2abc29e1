// Typed keys as Windows character codes, and the first-name rule applied to them.

#include "shapetest/namerule.h"
#include "widgets/keypress.h"

#include <QTest>

using namespace Qt::StringLiterals;
using OptionalCode = std::optional<int>;
Q_DECLARE_METATYPE(OptionalCode)

class TestKeyPress : public QObject {
    Q_OBJECT

private slots:
    void windowsCharCodeOfAKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptionalCode>("code");
        const auto none = Qt::KeyboardModifiers(Qt::NoModifier);
        const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
        const auto alt = Qt::KeyboardModifiers(Qt::AltModifier);
        const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("a") << int(Qt::Key_A) << none << u"a"_s << OptionalCode(97);
        QTest::newRow("Shift+A") << int(Qt::Key_A) << shift << u"A"_s << OptionalCode(65);
        QTest::newRow("digit") << int(Qt::Key_7) << none << u"7"_s << OptionalCode(55);
        QTest::newRow("space") << int(Qt::Key_Space) << none << u" "_s << OptionalCode(32);
        // A synthesised Ctrl+C says "c", a real X server says "\x03": both mean 3.
        QTest::newRow("Ctrl+C synthesised") << int(Qt::Key_C) << ctrl << u"c"_s << OptionalCode(3);
        QTest::newRow("Ctrl+C from X") << int(Qt::Key_C) << ctrl << u"\x03"_s << OptionalCode(3);
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << u"v"_s << OptionalCode(22);
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << QString() << OptionalCode(1);
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << QString() << OptionalCode(26);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << u"\b"_s << OptionalCode(8);
        QTest::newRow("Return") << int(Qt::Key_Return) << none << u"\r"_s << OptionalCode(13);
        QTest::newRow("Enter") << int(Qt::Key_Enter) << none << u"\r"_s << OptionalCode(13);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << u"\x1b"_s << OptionalCode(27);
        QTest::newRow("e acute") << int(Qt::Key_Eacute) << none << u"é"_s << OptionalCode(233);
        QTest::newRow("Cyrillic") << int(Qt::Key_unknown) << none << u"ж"_s << OptionalCode(0x436);
        QTest::newRow("Tab moves focus") << int(Qt::Key_Tab) << none << u"\t"_s << OptionalCode();
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << u"\x7f"_s << OptionalCode();
        QTest::newRow("arrow") << int(Qt::Key_Left) << none << QString() << OptionalCode();
        QTest::newRow("F1") << int(Qt::Key_F1) << none << QString() << OptionalCode();
        // With Ctrl, the characters Windows gives, whatever text X sends.
        const auto ctrlKeypad = Qt::KeyboardModifiers(Qt::ControlModifier | Qt::KeypadModifier);
        QTest::newRow("Ctrl+keypad Enter")
            << int(Qt::Key_Enter) << ctrlKeypad << u"\r"_s << OptionalCode(10);
        QTest::newRow("Ctrl+[") << int(Qt::Key_BracketLeft) << ctrl << u"\x1b"_s
                                << OptionalCode(27);
        QTest::newRow("Ctrl+Space")
            << int(Qt::Key_Space) << ctrl << QString(QChar(0)) << OptionalCode(32);
        QTest::newRow("Ctrl+3 types nothing")
            << int(Qt::Key_3) << ctrl << u"\x1b"_s << OptionalCode();
        QTest::newRow("Alt+T is an access key")
            << int(Qt::Key_T) << alt << u"t"_s << OptionalCode();
    }

    void windowsCharCodeOfAKey()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QTEST(windowsCharCode(key, modifiers, text), "code");
    }

    void nameRuleOnEveryCode()
    {
        for (int k = 0; k <= 0xFFFF; ++k) {
            const int typed = nameKeyCharacter(k);
            if (k >= 'a' && k <= 'z')
                QCOMPARE(typed, k - 32);
            else if ((k >= 'A' && k <= 'Z') || k == 8 || k == 13 || k == 32)
                QCOMPARE(typed, k);
            else
                QCOMPARE(typed, 0);
        }
    }

    void nameValidatorCapitalisesOrRefusesWhole_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << QString() << true << QString();
        QTest::newRow("small letters") << u"anna maria"_s << true << u"ANNA MARIA"_s;
        QTest::newRow("capitals") << u"ANNA"_s << true << u"ANNA"_s;
        QTest::newRow("digit") << u"ANNA2"_s << false << u"ANNA2"_s;
        QTest::newRow("hyphen") << u"ANNE-MARIE"_s << false << u"ANNE-MARIE"_s;
        QTest::newRow("accented") << u"ZOË"_s << false << u"ZOË"_s;
        QTest::newRow("tab") << u"A\tB"_s << false << u"A\tB"_s;
        QTest::newRow("line break") << u"A\nB"_s << false << u"A\nB"_s;
        QTest::newRow("NUL") << QString(QChar(0)) << false << QString(QChar(0));
    }

    void nameValidatorCapitalisesOrRefusesWhole()
    {
        QFETCH(QString, input);
        QFETCH(bool, accepted);
        NameValidator validator;
        int refusals = 0;
        connect(&validator, &NameValidator::refused, this, [&] { ++refusals; });
        int pos = 0;
        const QValidator::State state = validator.validate(input, pos);
        QCOMPARE(state == QValidator::Acceptable, accepted);
        QCOMPARE(refusals, accepted ? 0 : 1);
        QTEST(input, "result");
    }
};

QTEST_APPLESS_MAIN(TestKeyPress)
#include "tst_keypress.moc"
