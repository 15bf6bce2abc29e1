#include "farewell/supportmessages.h"

#include <array>

using namespace Qt::StringLiterals;

QString supportMessage(int number)
{
    static const std::array<QString, SupportMessageCount> messages{
        u"Zelvara Softwares, such as this can be created and maintained only with your "
        "support. The best way to support Zelvara is to visit Zelvara regularly and take part "
        "in the discussions and other activities on the board."_s,
        u"Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other "
        "activities. These softwares cannot be supported and maintained, without you regularly "
        "visiting Zelvara"_s,
        u"Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara "
        "develop and maintain this software visit Zelvara regularly."_s,
        u"Zelvara needs your help. All you need to do is visit Zelvara regularly and take part "
        "in the various discussions and activites to help us maintain and develop more Zelvara "
        "Softwares."_s,
    };
    if (number < 0 || number >= SupportMessageCount)
        return {};
    return messages[static_cast<std::size_t>(number)];
}
