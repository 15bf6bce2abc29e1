#include "farewell/referafriendaddress.h"

#include "common/weblinks.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
QString encoded(const QString &value)
{
    // Encodes all but the unreserved characters; a space comes out as %20.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
} // namespace

QString referAFriendAddress(const ReferralValues &values)
{
    return WebLinks::referAFriendPage() + u"?taf1="_s + encoded(values.name) + u"&taf2="_s +
           encoded(values.email) + u"&taf3="_s + encoded(values.message) + u"&taf4="_s +
           encoded(values.friendName) + u"&taf5="_s + encoded(values.friendEmail) + u"&taf6="_s +
           encoded(WebLinks::productSiteRoot());
}
