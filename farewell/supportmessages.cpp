#include "farewell/supportmessages.h"

#include <QCoreApplication>
#include <array>

QString supportMessage(int number)
{
    // Translated when shown: the language is chosen after the table first exists.
    static constexpr std::array<const char *, SupportMessageCount> messages{
        QT_TRANSLATE_NOOP(
            "frmFarewell",
            "Zelvara Softwares, such as this can be created and maintained only with your "
            "support. The best way to support Zelvara is to visit Zelvara regularly and take part "
            "in the discussions and other activities on the board."),
        QT_TRANSLATE_NOOP(
            "frmFarewell",
            "Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other "
            "activities. These softwares cannot be supported and maintained, without you regularly "
            "visiting Zelvara"),
        QT_TRANSLATE_NOOP(
            "frmFarewell",
            "Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara "
            "develop and maintain this software visit Zelvara regularly."),
        QT_TRANSLATE_NOOP(
            "frmFarewell",
            "Zelvara needs your help. All you need to do is visit Zelvara regularly and take part "
            "in the various discussions and activites to help us maintain and develop more Zelvara "
            "Softwares."),
    };
    if (number < 0 || number >= SupportMessageCount)
        return {};
    return QCoreApplication::translate("frmFarewell", messages[static_cast<std::size_t>(number)]);
}
