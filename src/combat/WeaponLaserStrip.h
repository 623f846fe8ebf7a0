// The beam's picture: one textured triangle strip along the spline through
// the gun's beam records, narrowed at both ends, as wide and as opaque as
// the beam's intensity.
#pragma once

class Weapon;

// Segments of a beam of the length: about one per unit, and never fewer
// than the tapered ends need.
int laserSegmentCount(float beamLength);

// Redraws the gun's strip along its spline in the segments; `sideScale`
// is the gun node's world scale across the beam.
void drawLaserStrip(Weapon& gun, int segments, float sideScale);
