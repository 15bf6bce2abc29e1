#include "farewell/referralchecks.h"
#include "farewell/placeholders.h"

using namespace Qt::StringLiterals;

std::optional<QString> addressesProblem(const QString &email, const QString &friendEmail)
{
    // Letter case counts: two addresses that differ only in it are distinct.
    if (email == friendEmail)
        return u"Please Enter Distinct Email Addresses"_s;
    const auto improper = [](const QString &address) {
        return !address.contains(u'@') || !address.contains(u'.');
    };
    if (improper(email) || improper(friendEmail))
        return u"Please Enter Proper Email Address"_s;
    return std::nullopt;
}

std::optional<QString> missingValueProblem(const ReferralValues &values)
{
    if (isBlankOrPlaceholder(values.name, Placeholder::Name))
        return u"Please Enter Your Name"_s;
    if (isBlankOrPlaceholder(values.email, Placeholder::Email))
        return u"Please Enter Your Email"_s;
    if (isBlankOrPlaceholder(values.message, Placeholder::Message))
        return u"Please Enter Your Message"_s;
    if (isBlankOrPlaceholder(values.friendName, Placeholder::FriendName))
        return u"Please Enter Your Friend's Name"_s;
    if (isBlankOrPlaceholder(values.friendEmail, Placeholder::FriendEmail))
        return u"Please Enter Your Friend's Email"_s;
    return std::nullopt;
}
