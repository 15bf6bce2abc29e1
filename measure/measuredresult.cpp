#include "measure/measuredresult.h"

namespace MeasuredResults {

namespace {
std::optional<MeasuredResult> &stored()
{
    static std::optional<MeasuredResult> result;
    return result;
}
} // namespace

void remember(const MeasuredResult &result)
{
    stored() = result;
}

void forget()
{
    stored().reset();
}

std::optional<MeasuredResult> last()
{
    return stored();
}

} // namespace MeasuredResults
