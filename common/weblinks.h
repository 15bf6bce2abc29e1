#pragma once

// Every web address of the program lives here, the ones it opens and the ones its texts show,
// so that a label can never name a page other than the one its click opens.

#include <QString>

namespace WebLinks {

QString helpPage();
QString downloadPage();
QString homePage();
QString softwareCataloguePage();
QString donatePage();
QString fullBrandPage();
QString coBrandPage();

// The referral form's page and the product's site root, which a referral names.
QString referAFriendPage();
QString productSiteRoot();

// The maker's site as banners write it: the host of homePage, without the scheme.
QString homeSiteName();

} // namespace WebLinks
