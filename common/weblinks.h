#pragma once

// Every web address of the program lives here, the ones it opens and the ones its texts show,
// so that a label can never name a page other than the one its click opens.

#include <QString>

namespace weblinks {

QString HelpPage();
QString DownloadPage();
QString HomePage();
QString SoftwareCataloguePage();
QString DonatePage();
QString FullBrandPage();
QString CoBrandPage();

// The referral form's page and the product's site root, which a referral names.
QString ReferAFriendPage();
QString ProductSiteRoot();

// The maker's site as banners write it: the host of HomePage, without the scheme.
QString HomeSiteName();

} // namespace weblinks
