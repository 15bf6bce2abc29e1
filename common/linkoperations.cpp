#include "common/modHelp.h"
#include "common/weblinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
// A launch never reports failure: with no browser the user simply sees nothing happen.
void openInBrowser(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
} // namespace

namespace modHelp {

void OpenHelpPage()
{
    openInBrowser(weblinks::HelpPage());
}

void OpenDownloadPage()
{
    openInBrowser(weblinks::DownloadPage());
}

void OpenHomePage()
{
    openInBrowser(weblinks::HomePage());
}

void OpenSoftwareCataloguePage()
{
    openInBrowser(weblinks::SoftwareCataloguePage());
}

void OpenDonatePage()
{
    openInBrowser(weblinks::DonatePage());
}

void OpenFullBrandPage()
{
    openInBrowser(weblinks::FullBrandPage());
}

void OpenCoBrandPage()
{
    openInBrowser(weblinks::CoBrandPage());
}

} // namespace modHelp
