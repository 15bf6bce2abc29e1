#include "farewell/referralchecks.h"
#include "farewell/placeholders.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

std::optional<QString> addressesProblem(const QString &email, const QString &friendEmail)
{
    // Letter case counts: two addresses that differ only in it are distinct.
    if (email == friendEmail)
        return QCoreApplication::translate("frmFarewell", "Please Enter Distinct Email Addresses");
    const auto improper = [](const QString &address) {
        return !address.contains(u'@') || !address.contains(u'.');
    };
    if (improper(email) || improper(friendEmail))
        return QCoreApplication::translate("frmFarewell", "Please Enter Proper Email Address");
    return std::nullopt;
}

std::optional<QString> missingValueProblem(const ReferralValues &values)
{
    if (isBlankOrPlaceholder(values.name, Placeholder::Name))
        return QCoreApplication::translate("frmFarewell", "Please Enter Your Name");
    if (isBlankOrPlaceholder(values.email, Placeholder::Email))
        return QCoreApplication::translate("frmFarewell", "Please Enter Your Email");
    if (isBlankOrPlaceholder(values.message, Placeholder::Message))
        return QCoreApplication::translate("frmFarewell", "Please Enter Your Message");
    if (isBlankOrPlaceholder(values.friendName, Placeholder::FriendName))
        return QCoreApplication::translate("frmFarewell", "Please Enter Your Friend's Name");
    if (isBlankOrPlaceholder(values.friendEmail, Placeholder::FriendEmail))
        return QCoreApplication::translate("frmFarewell", "Please Enter Your Friend's Email");
    return std::nullopt;
}
