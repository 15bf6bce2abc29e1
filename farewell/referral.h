#pragma once

// What a referral carries: the user's and the friend's names and e-mail addresses and the
// user's message, each as the user left it with the spaces at either end taken off.

#include <QString>

struct ReferralValues {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};
