#include "frontend/HighScoreName.h"

#include <algorithm>

namespace highscorename {

namespace {

const char* const noNameOffered = "A";
constexpr char unset = '-';
constexpr char deletedPad = '_';

} // namespace

std::string offeredName(const std::string& lastName)
{
    std::string name = lastName.empty() ? std::string(noNameOffered) : lastName.substr(0, length);
    name.resize(length, unset);
    return name;
}

void stepCharacter(std::string& name, std::size_t cursor, int step)
{
    if (cursor >= name.size())
        return;
    const auto count = static_cast<int>(alphabet.size());
    const std::size_t found = alphabet.find(name[cursor]);
    int next = 0;
    if (found == std::string::npos)
        next = step > 0 ? 0 : count - 1;
    else
        next = ((static_cast<int>(found) + step) % count + count) % count;
    name[cursor] = alphabet[static_cast<std::size_t>(next)];
}

void deleteCharacter(std::string& name, std::size_t cursor)
{
    if (cursor < name.size())
        name.erase(cursor, 1);
    name.resize(std::max(name.size(), length), deletedPad);
}

std::string trimTrailingSpaces(std::string text)
{
    const std::size_t last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

std::string storedName(const std::string& name)
{
    std::string stored = name;
    std::replace(stored.begin(), stored.end(), unset, ' ');
    return trimTrailingSpaces(stored);
}

std::string rankText(int rank)
{
    const char* suffix = "TH";
    if (rank == 1)
        suffix = "ST";
    else if (rank == 2)
        suffix = "ND";
    else if (rank == 3)
        suffix = "RD";
    return std::to_string(rank) + suffix;
}

} // namespace highscorename
