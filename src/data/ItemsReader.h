// Reads items: the "gamebox.items" library of item definitions, one "Item"
// element into an Item, and the items placed in a level file.
#pragma once

#include "data/XmlFile.h"

#include <map>
#include <string>
#include <vector>

class Item;
class Level;
class Player;

// Every top-level "Item" becomes a library definition; a later element of
// the same name replaces an earlier one. An item without outlines gets a
// default one. A file the group lacks leaves the library as it was.
void loadItemsGamebox(std::string fileName, std::string group, std::map<std::string, Item*>& library);

// Fills the item from the element. `level` is the level being built, or
// null for a library definition. Values the element leaves out take the
// reader's defaults, except those the item keeps (see ItemReader.cpp).
void readItem(const XmlNode& element, Item& item, Level* level);

// Every "Item" child of the level file's root becomes a placed copy of its
// library definition ("ItemNotFound" when its own is missing), appended to
// `items` and placed in the scene with `player` as its attraction target.
void readLevelItems(const XmlNode& root, Level* level, std::vector<Item*>& items,
                    const std::map<std::string, Item*>& library, Player* player);
