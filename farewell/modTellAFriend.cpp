#include "farewell/modTellAFriend.h"
#include "farewell/frmFarewell.h"

#include "common/browser.h"
#include "farewell/referafriendaddress.h"
#include "farewell/referralchecks.h"
#include "widgets/messages.h"

#include <QUrl>

namespace modTellAFriend {

QString strTafName;
QString strTafEmail;
QString strTafMessage;
QString strTafFriendName;
QString strTafFriendEmail;
QString strTafUrl;

void SendTellAFriend()
{
    const ReferralValues values{strTafName, strTafEmail, strTafMessage, strTafFriendName,
                                strTafFriendEmail};
    if (const std::optional<QString> problem = missingValueProblem(values)) {
        // The values are typed into the farewell window.
        showStop(frmFarewell::isLoaded() ? &frmFarewell::get() : nullptr, *problem);
        return;
    }
    strTafUrl = referAFriendAddress(values);
    OpenTellAFriendUrl();
}

void OpenTellAFriendUrl()
{
    // The address is encoded already; taken as it is, it reaches the browser byte for byte.
    openInBrowser(QUrl::fromEncoded(strTafUrl.toLatin1(), QUrl::StrictMode));
}

} // namespace modTellAFriend
