// Reads the camera path of a level file: the settings of "CameraType" and
// every camera "waypoint" under the root, into the Level's camera.
#pragma once

#include "data/XmlFile.h"

class Level;

// The settings (kept as they were without "CameraType"), then the points in
// document order; a file without points gets one at the origin. Last, the
// camera's other paths are made and it starts on this one. Nothing happens
// for a Level without a camera.
void readCameraPath(const XmlNode& root, Level& level);

// One point appended to the camera's path. A point without its "wait" child
// is left out with one "[ERROR] " line.
void readCameraWaypoint(const XmlNode& element, Level& level);
