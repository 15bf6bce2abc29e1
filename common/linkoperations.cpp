// Part of modHelp: the seven link operations, each opening its fixed page in the browser.

#include "common/browser.h"
#include "common/modHelp.h"
#include "common/weblinks.h"

#include <QUrl>

namespace {
// A launch never reports failure: with no browser the user simply sees nothing happen.
void openInBrowser(const QString &address)
{
    openInBrowser(QUrl(address, QUrl::StrictMode));
}
} // namespace

namespace modHelp {

void OpenHelpPage()
{
    openInBrowser(WebLinks::helpPage());
}

void OpenDownloadPage()
{
    openInBrowser(WebLinks::downloadPage());
}

void OpenHomePage()
{
    openInBrowser(WebLinks::homePage());
}

void OpenSoftwareCataloguePage()
{
    openInBrowser(WebLinks::softwareCataloguePage());
}

void OpenDonatePage()
{
    openInBrowser(WebLinks::donatePage());
}

void OpenFullBrandPage()
{
    openInBrowser(WebLinks::fullBrandPage());
}

void OpenCoBrandPage()
{
    openInBrowser(WebLinks::coBrandPage());
}

} // namespace modHelp
