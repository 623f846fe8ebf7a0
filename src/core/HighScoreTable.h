// The high-score table of the game being played: rows sorted by score, the
// name last entered and the number of rows kept. Kept in the Game, written to
// "high.scores" by Game::saveHighScores and read back by readHighScores.
#pragma once

#include <cstdint>
#include <set>
#include <string>

struct highScoreRow {
    std::string name;
    std::int64_t score = 0;
    std::int32_t lastLevel = 0; // number of the last level reached
};

// Highest score first. Rows of equal score are equivalent, so a multiset
// puts a new one after those already there.
struct highScoreOrder {
    bool operator()(const highScoreRow& a, const highScoreRow& b) const { return a.score > b.score; }
};

struct highScoreTable {
    std::multiset<highScoreRow, highScoreOrder> rows;
    std::string lastEnteredName; // "lasName" in the file
    std::uint32_t rowCount = 10;
};
