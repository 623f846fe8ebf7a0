// The names the game's files give to entries of other libraries (shots,
// effects, explosions, items) and to sounds, checked once the libraries are
// in and again for each level's waves and triggers as the level is read. Play
// goes on with what the runtime does for a name that resolves to nothing (no
// shot definition, no effect, no explosion, no drop, no sound); the author learns of each such name once
// in a run, with the object and the file that give it.
#pragma once

#include <string>
#include <vector>

class Game;
class Trigger;
class Wave;

// The guns of "gamebox.weapons", the waves of "gamebox.waves" with their
// member's guns, the ships of "gamebox.players", the sounds of the items and
// explosions libraries and of the game file's settings.
void checkLibraryReferences(const Game& game);

// The names a level file gives its waves of their own (the dropped items and
// the start effect); the rest comes from their definitions.
void checkLevelWaveReferences(const Game& game, const std::vector<Wave*>& waves, const std::string& levelFile);

// The sounds a level's triggers play.
void checkLevelTriggerReferences(const std::vector<Trigger*>& triggers, const std::string& levelFile);
