#include "common/weblinks.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
// The three sites are hosts of one domain of the maker.
constexpr auto MakerMainSite = "http://www.zelvara.example"_L1;
constexpr auto MakerHelpSite = "http://help.zelvara.example"_L1;
constexpr auto ProductSite = "http://tamsilo.zelvara.example"_L1;
} // namespace

namespace weblinks {

QString HelpPage()
{
    return ProductSite + "/zv-free-tamsilo-help.html"_L1;
}

QString DownloadPage()
{
    return ProductSite + "/download-zv-free-tamsilo.html"_L1;
}

QString HomePage()
{
    return MakerMainSite;
}

QString SoftwareCataloguePage()
{
    return MakerMainSite + "/zelvarasoftwares"_L1;
}

QString DonatePage()
{
    return MakerHelpSite + "/donate.html"_L1;
}

QString FullBrandPage()
{
    return MakerHelpSite + "/fully-branded.html"_L1;
}

QString CoBrandPage()
{
    return MakerHelpSite + "/co-brand.html"_L1;
}

QString ReferAFriendPage()
{
    return MakerMainSite + "/zvkt-refer-a-friend.php"_L1;
}

QString ProductSiteRoot()
{
    return ProductSite + "/"_L1;
}

QString HomeSiteName()
{
    return QUrl(HomePage()).host();
}

} // namespace weblinks
