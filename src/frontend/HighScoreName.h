// The rules of the high-score name: the name first offered, stepping a
// character through the alphabet, deleting one, the name as it is stored,
// and the rank shown in the table.
#pragma once

#include <cstddef>
#include <string>

namespace highscorename {

// The characters a name is spelt with; a blank stands for "-" when stored.
inline const std::string alphabet = "-ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t length = 6;

// The last name entered cut to six characters and padded with "-"; "A" when
// there is none.
std::string offeredName(const std::string& lastName);
// The character at the cursor becomes the next (step +1) or the previous
// (step -1) one of the alphabet, wrapping at either end. A character the
// alphabet lacks steps as if it stood just before "-" or just after "9".
void stepCharacter(std::string& name, std::size_t cursor, int step);
// The character at the cursor goes, the rest move left, and "_" pads the
// name back to six characters.
void deleteCharacter(std::string& name, std::size_t cursor);
// "-" become blanks and trailing blanks go.
std::string storedName(const std::string& name);
std::string trimTrailingSpaces(std::string text);
// 1ST, 2ND, 3RD, 4TH ...
std::string rankText(int rank);

} // namespace highscorename
