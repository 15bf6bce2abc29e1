// The first-name box of the welcome window under any sequence of keys, pastes, input-method
// commits, drops and undos: whatever arrives, the box holds only capital letters A to Z and
// spaces in English, and in a translated language only capitals of its script besides, and the
// only messages are the window's own. Each input runs in English, then again in one of the
// translated languages. Keys are delivered as a program sending
// them would, so access keys work: Alt+X leaves the window and Alt+T starts the test, which
// ends that input; the next one starts again from the welcome window alone.

#include "fuzzapp.h"
#include "fuzzinput.h"

#include "common/modHelp.h"
#include "common/shutdownstate.h"
#include "farewell/frmFarewell.h"
#include "shapetest/frmDisplay.h"
#include "shapetest/frmMain.h"
#include "translations/language.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

#include <array>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {
constexpr std::array Keys{
    Qt::Key_A,       Qt::Key_E,       Qt::Key_Z,      Qt::Key_0,          Qt::Key_9,
    Qt::Key_Space,   Qt::Key_Minus,   Qt::Key_Period, Qt::Key_Apostrophe, Qt::Key_Backspace,
    Qt::Key_Delete,  Qt::Key_Return,  Qt::Key_Enter,  Qt::Key_Escape,     Qt::Key_Tab,
    Qt::Key_Backtab, Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Home,       Qt::Key_End,
    Qt::Key_Insert,  Qt::Key_V,       Qt::Key_X,      Qt::Key_C,          Qt::Key_Y,
    Qt::Key_Eacute,  Qt::Key_unknown, Qt::Key_F1,
};

constexpr std::array Modifiers{
    Qt::KeyboardModifiers(Qt::NoModifier),
    Qt::KeyboardModifiers(Qt::ShiftModifier),
    Qt::KeyboardModifiers(Qt::ControlModifier),
    Qt::KeyboardModifiers(Qt::AltModifier),
    Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier),
    Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier),
    Qt::KeyboardModifiers(Qt::MetaModifier),
    Qt::KeyboardModifiers(Qt::KeypadModifier),
};

// The text a keyboard would send with the key, as an X server does: Ctrl+letter gives its
// control character, Shift+letter the capital.
QString naturalText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const int offset = key - Qt::Key_A;
        if (modifiers & Qt::ControlModifier)
            return QString(QChar(offset + 1));
        return QString(QChar((modifiers & Qt::ShiftModifier ? 'A' : 'a') + offset));
    }
    switch (key) {
    case Qt::Key_Backspace:
        return u"\b"_s;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return u"\r"_s;
    case Qt::Key_Escape:
        return u"\x1b"_s;
    case Qt::Key_Tab:
        return u"\t"_s;
    case Qt::Key_Delete:
        return u"\x7f"_s;
    case Qt::Key_Eacute:
        return u"é"_s;
    default:
        break;
    }
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return QString(QChar(int(key)));
    return {};
}

void typeKey(QLineEdit &box, FuzzInput &input)
{
    const Qt::Key key = Keys[std::size_t(input.below(int(Keys.size())))];
    const Qt::KeyboardModifiers modifiers =
        Modifiers[std::size_t(input.below(int(Modifiers.size())))];
    QString text;
    switch (input.below(4)) {
    case 0:
    case 1:
        text = naturalText(key, modifiers);
        break;
    case 2:
        text = input.anyText(3);
        break;
    default:
        break;
    }
    // Delivered as the window system delivers a key: an override the box may claim first.
    QKeyEvent override(QEvent::ShortcutOverride, key, modifiers, text);
    QCoreApplication::sendEvent(&box, &override);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&box, &release);
}

QString someText(FuzzInput &input)
{
    return input.byte() % 2 ? input.typedText(12) : input.anyText(6);
}

void paste(QLineEdit &box, FuzzInput &input)
{
    QApplication::clipboard()->setText(someText(input));
    switch (input.below(3)) {
    case 0:
        box.paste();
        break;
    case 1: {
        // Shift+Insert, the paste key that types no character.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Insert, Qt::ShiftModifier);
        QCoreApplication::sendEvent(&box, &press);
        break;
    }
    default: {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, u"\x16"_s);
        QCoreApplication::sendEvent(&box, &press);
        break;
    }
    }
}

void commitFromInputMethod(QLineEdit &box, FuzzInput &input)
{
    const QString preedit = input.byte() % 2 ? someText(input) : QString();
    QInputMethodEvent event(preedit, {});
    event.setCommitString(someText(input), -input.below(3), input.below(3));
    QCoreApplication::sendEvent(&box, &event);
}

void drop(QLineEdit &box, FuzzInput &input)
{
    QMimeData data;
    data.setText(someText(input));
    const QPointF at(box.width() * input.below(5) / 4.0, box.height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &dropped);
}

// A to Z and spaces, and in a translated language capitals of its script besides.
bool onlyCapitalsAndSpaces(const QString &text, const QString &language)
{
    const QChar::Script script = language == "ru"_L1 ? QChar::Script_Cyrillic : QChar::Script_Latin;
    for (const QChar c : text) {
        if (c == u' ' || (c >= u'A' && c <= u'Z'))
            continue;
        if (language.isEmpty() || !c.isUpper() || c.script() != script)
            return false;
    }
    return true;
}

// Ends what an earlier input left running, as the program does, and forgets that it ended.
void backToTheWelcomeWindowAlone()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    if (frmMain::isLoaded() && frmMain::get().isVisible() && !frmDisplay::isLoaded() &&
        !frmFarewell::isLoaded())
        return;
    modHelp::EndApplication();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forgetApplicationEnded();
    // Event loops refuse to run after the end until the application's own loop has run again.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

MessageBoxCloser *boxes = nullptr;

void runIn(const QString &language, const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    backToTheWelcomeWindowAlone();
    Language::use(language);
    frmMain &window = frmMain::get();
    window.show();
    QApplication::setActiveWindow(&window);
    const QPointer<QLineEdit> box = window.findChild<QLineEdit *>(u"txtFirstName"_s);
    require(box, "the welcome window has its name box");
    // Nothing of an earlier input may be left: no text, no composition, nothing to paste.
    QInputMethodEvent noComposition;
    QCoreApplication::sendEvent(box, &noComposition);
    box->setText({});
    box->setFocus();
    QApplication::clipboard()->clear();
    boxes->clear();
    for (int step = 0; step < 64 && !input.atEnd(); ++step) {
        switch (input.below(8)) {
        case 0:
            paste(*box, input);
            break;
        case 1:
            box->insert(someText(input));
            break;
        case 2:
            commitFromInputMethod(*box, input);
            break;
        case 3:
            drop(*box, input);
            break;
        case 4:
            input.byte() % 2 ? box->undo() : box->redo();
            break;
        default:
            typeKey(*box, input);
            break;
        }
        // Lets a refusal reported later come up, and be answered, before the next step.
        QCoreApplication::processEvents();
        if (!box)
            break;
        require(onlyCapitalsAndSpaces(box->text(), language),
                "the name box holds only capitals and spaces",
                language + u": "_s + visible(box->text()));
        if (!frmMain::isLoaded() || !window.isVisible())
            break;
    }
    const QStringList own = {QCoreApplication::translate("frmMain", "Please Enter Only Alphabet"),
                             QCoreApplication::translate("frmMain", "Please Enter Your Name")};
    for (const QString &text : boxes->texts())
        require(own.contains(text), "the only messages are the window's own", text);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    boxes = new MessageBoxCloser;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    runIn(QString(), data, size);
    // The same steps in a translated language, which one following from the bytes alone.
    const QStringList offered = Language::offered();
    const std::size_t sum = std::accumulate(data, data + size, std::size_t(0));
    runIn(offered[qsizetype(sum % std::size_t(offered.size()))], data, size);
    return 0;
}
