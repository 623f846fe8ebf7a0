// What a ship takes from the library definition it is made from: its
// settings, and, list by list, what its particle definitions, guns and
// outlines keep of their counterparts. Used by the copy constructor, the
// set-up from a definition and the rebuild after the definition changed.
#pragma once

class Player;
class Weapon;

// Names, mesh and sprite, and every setting of the definition (focus,
// collisions, death, rotation, movement, hits, intro, animation). Not the
// placement the level's "player" element gives (play position, scale,
// orientation, layer), nor the lists, nor anything of play.
void takeDefinitionSettings(Player& ship, const Player& definition);

// A gun's place on the ship as the definition's gun has it: stored position
// and orientation, the gun node put there, and the shoot button.
void placeGun(Weapon& gun, const Weapon& model);

// Index by index against the definition's lists (extra entries on either
// side are left alone).
void retakeEffects(Player& ship, const Player& definition);
void retakeGuns(Player& ship, const Player& definition);
void retakeOutlines(Player& ship, const Player& definition);
