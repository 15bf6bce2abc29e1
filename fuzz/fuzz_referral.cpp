// The referral's checks and its address, for any five values: the checks answer as their rule
// says, and a referral that passes them opens exactly one address, the refer-a-friend page with
// the keys taf1 to taf6 in order, whose values decode back to exactly what the user entered.

#include "fuzzapp.h"
#include "fuzzinput.h"

#include "common/weblinks.h"
#include "farewell/modTellAFriend.h"
#include "farewell/placeholders.h"
#include "farewell/referafriendaddress.h"
#include "farewell/referralchecks.h"

#include <QDesktopServices>
#include <QUrl>

#include <array>

using namespace Qt::StringLiterals;

namespace {
const std::array<QString, 5> Placeholders{Placeholder::Name, Placeholder::Email,
                                          Placeholder::Message, Placeholder::FriendName,
                                          Placeholder::FriendEmail};
const std::array<QString, 5> MissingMessages{
    u"Please Enter Your Name"_s, u"Please Enter Your Email"_s, u"Please Enter Your Message"_s,
    u"Please Enter Your Friend's Name"_s, u"Please Enter Your Friend's Email"_s};

// Texts worth trying beside random ones: the placeholders in and out of spaces, addresses
// that pass or nearly pass, and characters with a meaning in an address.
QString value(FuzzInput &input, int field)
{
    const QString pad = QString(input.below(3), u' ');
    switch (input.below(8)) {
    case 0:
        return pad + Placeholders[std::size_t(field)] + QString(input.below(3), u' ');
    case 1:
        return pad;
    case 2:
        return u"a@b."_s + input.typedText(8);
    case 3:
        return input.typedText(8) + u"@x.y"_s + pad;
    case 4:
        return Placeholders[std::size_t(field)] + u"\r\n"_s;
    case 5:
        return input.anyText(8);
    default:
        return input.typedText(24);
    }
}

QString trimmedByHand(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

std::optional<QString> expectedAddressesProblem(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return u"Please Enter Distinct Email Addresses"_s;
    for (const QString &address : {email, friendEmail}) {
        if (address.indexOf(u'@') < 0 || address.indexOf(u'.') < 0)
            return u"Please Enter Proper Email Address"_s;
    }
    return std::nullopt;
}

std::optional<QString> expectedMissingValue(const std::array<QString, 5> &values)
{
    for (std::size_t field = 0; field < values.size(); ++field) {
        const QString trimmed = trimmedByHand(values[field]);
        if (trimmed.isEmpty() || trimmed == Placeholders[field])
            return MissingMessages[field];
    }
    return std::nullopt;
}

void checkAddress(const QString &address, const std::array<QString, 5> &values)
{
    const QString start = WebLinks::referAFriendPage() + u'?';
    require(address.startsWith(start), "the address is the refer-a-friend page's", address);
    for (const QChar c : address)
        require(c > u' ' && c < QChar(0x7f) && c != u'#', "the address is plain printable ASCII",
                address);
    const QStringList pairs = address.mid(start.size()).split(u'&');
    require(pairs.size() == 6, "the address has six keys", address);
    for (int key = 0; key < 6; ++key) {
        const QString prefix = u"taf%1="_s.arg(key + 1);
        require(pairs[key].startsWith(prefix), "the keys are taf1 to taf6 in order", address);
        const QString decoded = QUrl::fromPercentEncoding(pairs[key].mid(prefix.size()).toLatin1());
        // UTF-8 cannot carry a lone surrogate, which no keyboard or clipboard gives anyway;
        // every other text comes back exactly.
        const QString expected = key < 5 ? QString::fromUtf8(values[std::size_t(key)].toUtf8())
                                         : WebLinks::productSiteRoot();
        require(decoded == expected, "each value decodes back to exactly what was entered",
                u"%1: got %2, entered %3"_s.arg(prefix, decoded, expected));
    }
}

class OpenedAddresses : public QObject {
    Q_OBJECT

public:
    OpenedAddresses()
    {
        for (const QString &scheme : {u"http"_s, u"https"_s})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    QStringList addresses;

public slots:
    void open(const QUrl &url) { addresses.append(url.toString(QUrl::FullyEncoded)); }
};

OpenedAddresses *opened = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    opened = new OpenedAddresses;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    std::array<QString, 5> entered;
    for (int field = 0; field < 5; ++field)
        entered[std::size_t(field)] = value(input, field);

    // What the submit button stores: each value without the spaces at either end.
    std::array<QString, 5> values;
    for (std::size_t field = 0; field < values.size(); ++field) {
        values[field] = trimSpaces(entered[field]);
        require(values[field] == trimmedByHand(entered[field]), "only spaces are trimmed",
                entered[field]);
        require(clearsOnGotFocus(entered[field], Placeholders[field]) ==
                    (values[field] == Placeholders[field]),
                "a box empties itself only when it holds its placeholder", entered[field]);
        require(restoresOnLostFocus(entered[field]) == values[field].isEmpty(),
                "a box gets its placeholder back only when blank", entered[field]);
    }

    const std::optional<QString> addresses = addressesProblem(values[1], values[4]);
    require(addresses == expectedAddressesProblem(values[1], values[4]),
            "the address checks follow their rule", values[1] + u" / "_s + values[4]);
    const ReferralValues referral{values[0], values[1], values[2], values[3], values[4]};
    const std::optional<QString> missing = missingValueProblem(referral);
    require(missing == expectedMissingValue(values), "the value checks follow their rule",
            missing.value_or(u"(none)"_s));

    const QString address = referAFriendAddress(referral);
    checkAddress(address, values);

    if (!missing) {
        // The whole way to the browser: the very address built, byte for byte, once.
        opened->addresses.clear();
        modTellAFriend::strTafName = values[0];
        modTellAFriend::strTafEmail = values[1];
        modTellAFriend::strTafMessage = values[2];
        modTellAFriend::strTafFriendName = values[3];
        modTellAFriend::strTafFriendEmail = values[4];
        modTellAFriend::SendTellAFriend();
        require(opened->addresses == QStringList{address}, "the browser gets the address as built",
                opened->addresses.join(u'\n') + u"\nbuilt: "_s + address);
    }
    return 0;
}

#include "fuzz_referral.moc"
