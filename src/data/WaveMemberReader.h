// The parts of an "enemy" element that fill the wave's member 0: its
// class's sections (turret, snake body, collisions, wobble, gameplay, death
// motion) and, for a library definition, the parts it owns (effects, weapon
// sets, outlines, rotors).
#pragma once

#include "data/XmlFile.h"

class Enemy;
class Level;
class Wave;

// Also the wave's own gameplay values ("killChildren", "killedBehavior").
void readMemberSections(const XmlNode& element, Wave& wave, Enemy& member);
// Each in document order; guns are bound to the member and `level`.
void readMemberParts(const XmlNode& element, Enemy& member, Level* level);
