// Builds the overlay widget of a trigger from its "overlay" sections: the
// message or picture that a trigger of type 1 shows when it fires.
#pragma once

#include "data/XmlFile.h"

class Level;
class Trigger;

// Without an "overlay" section the trigger keeps no widget and its own text
// key. Otherwise the widget is made and created, and the text key written.
void readOverlay(const XmlNode& element, Trigger& trigger, Level* level);
