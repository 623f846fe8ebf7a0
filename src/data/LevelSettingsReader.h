// Reads the "Level" element of a level file: the level's own settings into
// the Level (music, HUD, the editor's counters, fog, post effects, sun and
// ambient light, render layers) and into its camera when it has one (the
// editor's saved view, clip distances, sky layers), then applies the fog,
// post effects and light.
#pragma once

#include "data/XmlFile.h"

class Level;

// Every attribute and child of the element; what it leaves out takes the
// reader's defaults, except the few values the Level keeps.
void readLevelSettings(const XmlNode& element, Level& level);

// The "LAYER" children, each a layer of its own with a node under the
// scene's root, and their drawing order from "LAYERORDER". A level without
// layers gets one, "Default", numbered 0.
void readLevelLayers(const XmlNode& element, Level& level);
