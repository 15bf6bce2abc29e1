#pragma once

// The checks a referral passes before it is sent, each answering with the message the user
// sees, or with nothing when the values pass.

#include "farewell/referral.h"

#include <QString>
#include <optional>

// The two addresses must differ and each hold an at sign and a full stop somewhere; that is
// all an address is asked for.
std::optional<QString> addressesProblem(const QString &email, const QString &friendEmail);

// Every value must hold something of the user's own, not blank and not its placeholder;
// the first one that does not is named.
std::optional<QString> missingValueProblem(const ReferralValues &values);
