#pragma once

// The address that hands a referral to the maker's refer-a-friend page: the page, then the
// five values and the product's site as the query keys taf1 to taf6, in that order.
//
// Each value is percent-encoded as UTF-8, everything but letters, digits and "-._~" as %XX
// (a space as %20, never "+"), so that what the user typed, ampersands, number signs and the
// message's line breaks included, reaches the page exactly and cannot break up the query.

#include "farewell/referral.h"

#include <QString>

QString referAFriendAddress(const ReferralValues &values);
