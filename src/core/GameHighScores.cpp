// The high-score table's operations and its file "high.scores" in the
// preference folder.
#include "core/Game.h"

#include "app/Log.h"
#include "app/TextUtils.h"
#include "platform/FileReplace.h"

#include <iterator>
#include <string>

namespace {

// Attribute text that reads back as written: the reader decodes entities, so
// an ampersand is escaped before the quotes are.
std::string attributeValue(const std::string& text)
{
    std::string escaped;
    for (const char c : text)
        escaped += c == '&' ? std::string("&amp;") : std::string(1, c);
    return escapeXmlQuotes(escaped);
}

std::string highScoreFileText(const highScoreTable& table)
{
    std::string text;
    for (const highScoreRow& row : table.rows)
        text += "<SCORE name = \"" + attributeValue(row.name) + "\" lastLevel=\"" + std::to_string(row.lastLevel)
                + "\" score=\"" + std::to_string(row.score) + "\" />\n";
    text += "<PREFS lasName = \"" + attributeValue(table.lastEnteredName) + "\" />\n";
    return text;
}

void fillDefaultRows(highScoreTable& table)
{
    for (std::int64_t score = 10; score <= 100; score += 10)
        table.rows.insert({"KOVA", score, 0});
}

} // namespace

void Game::addHighScore(const std::string& name, std::int64_t score, int lastLevel)
{
    highScores.rows.insert({name, score, lastLevel});
    highScores.rows.erase(std::prev(highScores.rows.end()));
    highScores.lastEnteredName = name;
}

int Game::highScoreRank() const
{
    int rank = 1;
    for (const highScoreRow& row : highScores.rows) {
        if (row.score <= totalScore)
            break;
        ++rank;
    }
    return static_cast<std::uint32_t>(rank) <= highScores.rowCount ? rank : 0;
}

void Game::saveHighScores()
{
    // Without a preference folder there is no place for the file.
    if (preferenceFolder.empty())
        return;
    // An empty table is saved as the default rows, which it keeps only when
    // the file could be made.
    highScoreTable saved = highScores;
    if (saved.rows.empty())
        fillDefaultRows(saved);
    std::string failure;
    const platform::FileReplace result = platform::replaceFile(preferenceFolder + "high.scores",
                                                               highScoreFileText(saved), failure);
    if (result != platform::FileReplace::notOpened)
        highScores = saved;
    if (result != platform::FileReplace::done)
        logLine("[ERROR] couldn't write high.scores: " + failure);
}
