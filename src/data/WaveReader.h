// Reads one "enemy" element into a Wave, its Spawner and its member 0 (an
// Enemy, or a Tank for the type "tank"): the definitions of the waves
// library and the waves a level places.
#pragma once

#include "data/XmlFile.h"

class Level;
class Wave;

// Whether an "enemy" element describes a library definition or a wave a
// level places.
enum class WaveElementMode { definition, instance };

// `wave` is new and has no members; `level` is null for a definition. An
// instance is made from `definition`, whose class wins over the element's
// "type", and reads no guns, outlines, rotors or effects of its own.
// Sections with reader defaults write them when absent; see WaveReader.cpp
// for the values the wave keeps.
void readWave(const XmlNode& element, Wave& wave, Level* level, const Wave* definition, WaveElementMode mode);
