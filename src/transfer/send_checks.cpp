#include "transfer/send_checks.h"

#include "common/text_helpers.h"

#include <cmath>

namespace {

bool isModel(double modelCode, double code)
{
    return std::abs(modelCode - code) < 0.005;
}

} // namespace

int BirdLimit(double modelCode)
{
    return isModel(modelCode, 2.16) ? 999 : 500;
}

int YearFrom1900(const QByteArray &hatchYr)
{
    const int year = int(LenientNumber(hatchYr));
    return year < 80 ? year + 100 : year;
}

bool HatchYearsSuit(int smallest, int largest, double lmdVersion)
{
    if (lmdVersion <= 3.45)
        return smallest >= 80 && largest <= 111;
    if (lmdVersion >= 3.5)
        return smallest >= 100 && largest <= 131;
    return false;
}

bool InRaceMode(const QByteArray &lmdState)
{
    const double state = LenientNumber(lmdState);
    return state == 1 || state == 3;
}
