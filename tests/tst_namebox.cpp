// The welcome window's name box under editing that goes through its undo history: whatever
// the box undoes, redoes or refuses, it never holds anything but capitals and spaces.

#include "controls.h"
#include "messageboxes.h"
#include "shapetest/frmMain.h"
#include "testapp.h"
#include "translations/language.h"
#include "welcome.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QLineEdit *nameBox()
{
    QLineEdit *box = control<QLineEdit>(showWelcome(), u"txtFirstName"_s);
    box->setFocus();
    return box;
}

void type(QLineEdit *box, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers)
{
    QTest::sendKeyEvent(QTest::Click, box, key, text, modifiers);
}
} // namespace

class TestNameBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { resetApplication(); }

    // Found by fuzzing: the box undid the refused apostrophe by replaying a history that the
    // undo and redo before it had left out of step with the text, and held "V", NUL, "V".
    void aRefusalAfterUndoAndRedoKeepsTheText()
    {
        QLineEdit *box = nameBox();
        MessageBoxAnswerer boxes;
        const auto altShift = Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier);
        type(box, Qt::Key_Space, u" "_s, Qt::NoModifier);
        // The word deleted as Ctrl+Shift+Backspace once did, before it became a refused character.
        type(box, Qt::Key_Left, QString(), Qt::ControlModifier | Qt::ShiftModifier);
        type(box, Qt::Key_Delete, QString(), Qt::NoModifier);
        type(box, Qt::Key_V, u"V"_s, altShift);
        QCOMPARE(box->text(), QString());
        box->insert(u"V"_s);
        box->insert(u"V"_s);
        QCOMPARE(box->text(), u"VV"_s);
        box->undo();
        box->redo();
        QCOMPARE(box->text(), u"VV"_s);
        box->insert(u"'"_s);
        QCOMPARE(box->text(), u"VV"_s);
        QCOMPARE(box->cursorPosition(), 2);
        QTRY_COMPARE(boxes.texts(), QStringList{u"Please Enter Only Alphabet"_s});
    }

    // A refused paste leaves the text and the cursor as they were.
    void aRefusedPasteLeavesTheCursorWhereItWas()
    {
        QLineEdit *box = nameBox();
        MessageBoxAnswerer boxes;
        QTest::keyClicks(box, u"anna"_s);
        box->setCursorPosition(2);
        QApplication::clipboard()->setText(u"x1"_s);
        box->paste();
        QCOMPARE(box->text(), u"ANNA"_s);
        QCOMPARE(box->cursorPosition(), 2);
        QTRY_COMPARE(boxes.texts(), QStringList{u"Please Enter Only Alphabet"_s});
    }

    // No Undo or Redo: their keys, Ctrl+Z and Ctrl+Y, are refused.
    void theMenuOffersNoUndo()
    {
        QLineEdit *box = nameBox();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, {}, box->mapToGlobal(QPoint()));
        QApplication::sendEvent(box, &event);
        QStringList offered;
        for (const QAction *action : QApplication::activePopupWidget()->actions())
            offered << action->text().section(u'\t', 0, 0);
        QApplication::activePopupWidget()->close();
        QCOMPARE(offered,
                 QStringList(
                     {{}, u"Cu&t"_s, u"&Copy"_s, u"&Paste"_s, u"Delete"_s, {}, u"Select All"_s}));
        // In German the menu is Qt's translation, still without Undo or Redo.
        QVERIFY(Language::use(u"de"_s));
        QApplication::sendEvent(box, &event);
        const QList<QAction *> german = QApplication::activePopupWidget()->actions();
        QVERIFY(german.size() == 7 && !german[3]->text().startsWith(u"&Paste"_s));
        QApplication::activePopupWidget()->close();
        QVERIFY(Language::use(QString()));
    }
};

QTEST_MAIN(TestNameBox)
#include "tst_namebox.moc"
