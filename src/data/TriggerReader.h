// Reads the triggers of a level file: every "triggers" element becomes one
// Trigger, filled, given its overlay widget and links, and set in the scene.
#pragma once

#include "data/XmlFile.h"

#include <vector>

class Level;
class Trigger;

// Appends one trigger per "triggers" child of the root, in document order.
void readLevelTriggers(const XmlNode& root, std::vector<Trigger*>& triggers, Level* level);
// Makes a trigger from the element and appends it to `triggers`. Everything
// the element leaves out takes the reader's default; only the text key
// keeps the trigger's own value when the element has no overlay.
void readTrigger(const XmlNode& element, std::vector<Trigger*>& triggers, Level* level);
