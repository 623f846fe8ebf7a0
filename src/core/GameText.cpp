// Localised text: lookups by key in the Game's text tables, and new keys for
// texts that have none yet.
#include "core/Game.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

namespace {

// The number a key ends in, after "KEY_" (or any four characters): 0 when it
// has no trailing digits, is shorter than that prefix or does not fit an int.
std::int64_t keyNumber(const std::string& key)
{
    if (key.size() < 4)
        return 0;
    std::size_t start = key.size();
    while (start > 4 && std::isdigit(static_cast<unsigned char>(key[start - 1])))
        --start;
    std::int64_t number = 0;
    for (std::size_t at = start; at < key.size(); ++at) {
        number = number * 10 + (key[at] - '0');
        if (number > std::numeric_limits<int>::max())
            return 0;
    }
    return number;
}

std::string paddedKey(std::int64_t number)
{
    std::string digits = std::to_string(number);
    if (digits.size() < 5)
        digits.insert(0, 5 - digits.size(), '0');
    return "KEY_" + digits;
}

} // namespace

std::string Game::getText(std::string key) const
{
    const auto found = localizationTags.find(key);
    return found == localizationTags.end() ? key : found->second;
}

std::string Game::getTextForLanguage(std::string key)
{
    const std::map<std::string, std::string>& table = languageTables[language];
    const auto found = table.find(key);
    return found == table.end() || found->second.empty() ? key : found->second;
}

std::string Game::getDefaultText(std::string key, std::string fallback) const
{
    const auto found = defaultTexts.find(key);
    return found == defaultTexts.end() ? fallback : found->second.text;
}

std::string Game::makeTextKey(std::map<std::string, textEntry>& table)
{
    std::int64_t largest = -1;
    for (const auto& entry : table)
        largest = std::max(largest, keyNumber(entry.first));
    const std::string key = paddedKey(largest + 1);
    table[key] = textEntry{std::string(), std::string(), 0, levelIndex};
    return key;
}
