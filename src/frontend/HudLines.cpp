#include "frontend/HudLines.h"

#include "app/TextUtils.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace {

constexpr double hundred = 100.0;
constexpr double hundredth = 0.01;

std::string fixed(double value, int decimals)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

} // namespace

int spareLives(int lives) { return lives > 1 ? lives - 1 : 0; }

std::string multiplierShown(double multiplier, double chainAddedPoints, unsigned medals)
{
    double whole = 0.0;
    if (multiplier != 0.0 && std::modf(chainAddedPoints, &whole) != 0.0)
        return fixed(multiplier, 1);
    return fixed((static_cast<double>(medals) + 1.0) * multiplier, 0);
}

std::string scoreShown(std::int64_t score, int style) { return formatThousands(std::to_string(score), style); }

double frameRateShown(double rate) { return std::floor(rate * hundred) * hundredth; }
