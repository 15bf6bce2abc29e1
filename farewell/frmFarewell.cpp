#include "farewell/frmFarewell.h"
#include "ui_frmFarewell.h"

#include "common/apprandom.h"
#include "common/modHelp.h"
#include "common/weblinks.h"
#include "farewell/modTellAFriend.h"
#include "farewell/placeholders.h"
#include "farewell/referralchecks.h"
#include "farewell/supportmessages.h"
#include "widgets/applicationicon.h"
#include "widgets/buttonclicks.h"
#include "widgets/focusevents.h"
#include "widgets/handcursor.h"
#include "widgets/keypress.h"
#include "widgets/messages.h"
#include "widgets/programfont.h"
#include "widgets/windowframe.h"
#include "widgets/windowkeyboard.h"

#include <QAccessibleWidget>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {
QString boxText(const QLineEdit &box)
{
    return box.text();
}

void setBoxText(QLineEdit &box, const QString &text)
{
    box.setText(text);
}

// A multi-line box gives its line breaks as CR LF, which is how the message's first line ends.
// The raw text keeps every character the user typed; the plain one turns no-break spaces into
// spaces.
QString boxText(const QPlainTextEdit &box)
{
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u"\r\n"_s);
    text.replace(QChar::LineSeparator, u"\r\n"_s);
    return text;
}

void setBoxText(QPlainTextEdit &box, const QString &text)
{
    box.setPlainText(text);
}

// The box starts out showing its placeholder.
template <class Box> void usePlaceholder(Box &box, const QString &placeholder)
{
    setBoxText(box, placeholder);
    new FocusEvents(
        box,
        [&box, placeholder] {
            if (clearsOnGotFocus(boxText(box), placeholder))
                setBoxText(box, QString());
        },
        [&box, placeholder] {
            if (restoresOnLostFocus(boxText(box)))
                setBoxText(box, placeholder);
        });
}

// A label sized to its text, kept within the width it was laid out for: the fonts that stand
// in for the window's own run wider, so a text that would outgrow it is condensed just enough.
void sizeToTextWithin(QLabel &label, int width)
{
    label.ensurePolished();
    label.adjustSize();
    for (int stretch = 95; label.width() > width && stretch >= 75; stretch -= 5) {
        QFont condensed = label.font();
        condensed.setStretch(stretch);
        label.setFont(condensed);
        label.adjustSize();
    }
}

// A plain widget shown as a window of its own is a window to a screen reader too, not a part
// of some other window.
QAccessibleInterface *farewellWindowInterface(const QString &className, QObject *object)
{
    return className == u"frmFarewell"_s
               ? new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window)
               : nullptr;
}

// An address never holds a space: the key is refused with a message, and the user carries on
// typing in the same box.
void refuseSpace(QLineEdit &box, int &KeyAscii)
{
    if (KeyAscii != u' ')
        return;
    showStop(box.window(),
             QCoreApplication::translate("frmFarewell", "Email Address Cannot Contain Space"));
    KeyAscii = 0;
    box.setFocus();
}
} // namespace

frmFarewell::frmFarewell() : ui(std::make_unique<Ui::frmFarewell>())
{
    static const bool installed = (QAccessible::installFactory(&farewellWindowInterface), true);
    Q_UNUSED(installed);
    useMsSansSerifFont(*this);
    // On top from the start, so that Form_Load asking for it again costs nothing.
    useCloseBoxOnly(*this, Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    useFixedSingleBorder(*this, size());
    sharpenIconPicture(*ui->Picture1);
    ui->Check1->setText(ui->Check1->text().arg(WebLinks::homeSiteName()));
    ui->Check1->setCursor(handCursor());
    ui->lblGoToHome->useHandCursor();
    sizeToTextWithin(*ui->Label1, ui->Label1->width());
    sizeToTextWithin(*ui->lblGoToHome, ui->lblGoToHome->width());
    ui->cmdClose->setFocus();

    usePlaceholder(*ui->txtName, Placeholder::Name);
    usePlaceholder(*ui->txtEmail, Placeholder::Email);
    usePlaceholder(*ui->txtFriendName, Placeholder::FriendName);
    usePlaceholder(*ui->txtFriendEmail, Placeholder::FriendEmail);
    usePlaceholder(*ui->txtMessage, Placeholder::Message);
    // The message starts with a line break after it, so the box first holds more than the
    // placeholder and entering it keeps the text.
    ui->txtMessage->setPlainText(QString(Placeholder::Message) + u"\r\n"_s);
    new KeyPressFilter(*ui->txtEmail, [this](int &KeyAscii) { txtEmail_KeyPress(KeyAscii); });
    new KeyPressFilter(*ui->txtFriendEmail,
                       [this](int &KeyAscii) { txtFriendEmail_KeyPress(KeyAscii); });

    connectClick(ui->cmdClose, this, &frmFarewell::cmdClose_Click);
    connect(ui->Check1, &QPushButton::toggled, this, &frmFarewell::Check1_Click);
    connect(ui->lblGoToHome, &ClickLabel::clicked, this, &frmFarewell::lblGoToHome_Click);
    connectClick(ui->cmdSubmit, this, &frmFarewell::cmdSubmit_Click);
    useWindowKeyboard(*this);
}

frmFarewell::~frmFarewell() = default;

void frmFarewell::Form_Load()
{
    AppRandom::seedFromClock();
    const int number = static_cast<int>(AppRandom::nextUniform() * SupportMessageCount);
    ui->Label2->setText(supportMessage(number));
    makeTopmost();
}

void frmFarewell::makeTopmost()
{
    // The hint must be in place before the window first maps: set on a shown window, it makes
    // a new native window. Coming up must not take the focus from the window the user is in.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
}

void frmFarewell::Form_Unload()
{
    modHelp::EndApplication();
}

void frmFarewell::cmdClose_Click()
{
    modHelp::EndApplication();
}

void frmFarewell::Check1_Click()
{
    // The button only looks like a check box: clearing it raises this handler once more, which
    // then finds it clear and does nothing.
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    modHelp::OpenHomePage();
}

void frmFarewell::lblGoToHome_Click()
{
    modHelp::OpenSoftwareCataloguePage();
}

void frmFarewell::txtEmail_KeyPress(int &KeyAscii)
{
    refuseSpace(*ui->txtEmail, KeyAscii);
}

void frmFarewell::txtFriendEmail_KeyPress(int &KeyAscii)
{
    refuseSpace(*ui->txtFriendEmail, KeyAscii);
}

void frmFarewell::cmdSubmit_Click()
{
    // Stored on every click, whatever the checks then find.
    modTellAFriend::strTafName = trimSpaces(ui->txtName->text());
    modTellAFriend::strTafEmail = trimSpaces(ui->txtEmail->text());
    modTellAFriend::strTafMessage = trimSpaces(boxText(*ui->txtMessage));
    modTellAFriend::strTafFriendName = trimSpaces(ui->txtFriendName->text());
    modTellAFriend::strTafFriendEmail = trimSpaces(ui->txtFriendEmail->text());
    if (const std::optional<QString> problem =
            addressesProblem(modTellAFriend::strTafEmail, modTellAFriend::strTafFriendEmail)) {
        showStop(this, *problem);
        return;
    }
    modTellAFriend::SendTellAFriend();
}
