#include "common/weblinks.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
// The three sites are hosts of one domain of the maker.
constexpr auto MakerMainSite = "http://www.zelvara.example"_L1;
constexpr auto MakerHelpSite = "http://help.zelvara.example"_L1;
constexpr auto ProductSite = "http://tamsilo.zelvara.example"_L1;
} // namespace

namespace WebLinks {

QString helpPage()
{
    return ProductSite + "/zv-free-tamsilo-help.html"_L1;
}

QString downloadPage()
{
    return ProductSite + "/download-zv-free-tamsilo.html"_L1;
}

QString homePage()
{
    return MakerMainSite;
}

QString softwareCataloguePage()
{
    return MakerMainSite + "/zelvarasoftwares"_L1;
}

QString donatePage()
{
    return MakerHelpSite + "/donate.html"_L1;
}

QString fullBrandPage()
{
    return MakerHelpSite + "/fully-branded.html"_L1;
}

QString coBrandPage()
{
    return MakerHelpSite + "/co-brand.html"_L1;
}

QString referAFriendPage()
{
    return MakerMainSite + "/zvkt-refer-a-friend.php"_L1;
}

QString productSiteRoot()
{
    return ProductSite + "/"_L1;
}

QString homeSiteName()
{
    return QUrl(homePage()).host();
}

} // namespace WebLinks
