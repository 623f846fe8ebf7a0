#include "app/TextUtils.h"

#include "platform/Hash.h"
#include "platform/TextCodec.h"

#include <OgreMatrix3.h>
#include <OgreQuaternion.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <sstream>

namespace {

// Leading decimal digits of a text as an int; 0 when there are none or they
// overflow. Decimal on purpose: "09" must read as nine, not as a bad octal.
int parseDecimalInt(const std::string& text)
{
    std::istringstream in(text);
    int value = 0;
    if (!(in >> value))
        return 0;
    return value;
}

std::string twoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string groupDigits(std::string text, char separator)
{
    const std::size_t firstDigit = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    std::size_t p = text.rfind('.');
    if (p == std::string::npos)
        p = text.size();
    while (p >= firstDigit + 4) {
        p -= 3;
        text.insert(p, 1, separator);
    }
    return text;
}

// Four random decimal digits, drawn without modulo bias.
unsigned randomFourDigits()
{
    std::random_device source;
    std::mt19937 generator(source());
    std::uint32_t r = 0;
    do {
        r = generator();
    } while (r / 10000 >= 429496);
    return r % 10000;
}

} // namespace

std::string escapeXmlQuotes(std::string text)
{
    const std::string entity = "&quot;";
    for (std::size_t pos = text.find('"'); pos != std::string::npos;
         pos = text.find('"', pos + entity.size()))
        text.replace(pos, 1, entity);
    return text;
}

std::string formatTimeMinSec(const std::string& seconds)
{
    const int total = parseDecimalInt(seconds);
    return twoDigits((total / 60) % 60) + ":" + twoDigits(total % 60);
}

std::string formatThousands(const std::string& text, int style)
{
    switch (style) {
    case 0: return groupDigitsSpace(text);
    case 1: return groupDigitsComma(text);
    case 2: return groupDigitsPoint(text);
    default: return text;
    }
}

std::string groupDigitsComma(const std::string& text) { return groupDigits(text, ','); }

std::string groupDigitsSpace(const std::string& text) { return groupDigits(text, ' '); }

std::string groupDigitsPoint(const std::string& text) { return groupDigits(text, '.'); }

std::string toNarrowString(const std::wstring& text) { return platform::wideToUtf8(text); }

std::wstring toWideString(const std::string& text) { return platform::utf8ToWide(text); }

std::string sanitizeFileName(std::string name)
{
    for (char bad : {'"', '?', '*', '|', ':', '<', '>', '/'})
        name.erase(std::remove(name.begin(), name.end(), bad), name.end());
    const std::size_t last = name.find_last_not_of(' ');
    name.erase(last == std::string::npos ? 0 : last + 1);
    return name;
}

std::string incrementNameSuffix(const std::string& name)
{
    const std::size_t p = name.find_last_not_of("0123456789");
    // An all-digit name keeps every digit and gets its successor appended.
    const std::size_t digitsStart = (p == std::string::npos) ? 0 : p + 1;
    const std::size_t prefixEnd = (p == std::string::npos) ? name.size() : p + 1;
    const long long n = parseDecimalInt(name.substr(digitsStart));
    return name.substr(0, prefixEnd) + std::to_string(n + 1);
}

void pumpWindowsMessages() { SDL_PumpEvents(); }

void quaternionToEulerDegrees(float& pitch, float& yaw, float& roll, const Ogre::Quaternion& q)
{
    Ogre::Matrix3 rotation;
    q.ToRotationMatrix(rotation);
    Ogre::Radian y, p, r;
    rotation.ToEulerAnglesYXZ(y, p, r);
    pitch = p.valueRadians() * 57.29578f;
    yaw = y.valueRadians() * 57.29578f;
    roll = r.valueRadians() * 57.29578f;
}

std::string generateUniqueId()
{
    using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>;
    const auto ticks =
        std::chrono::duration_cast<Ticks>(std::chrono::system_clock::now().time_since_epoch());
    const std::string text = std::to_string(ticks.count()) + std::to_string(randomFourDigits());
    return std::to_string(platform::fnv1a64(text));
}
