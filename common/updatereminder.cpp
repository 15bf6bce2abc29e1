#include "common/modHelp.h"

namespace modHelp {

void CheckUpdateReminder()
{
    // The reminder keeps no date yet, so there is never anything to offer.
}

} // namespace modHelp
