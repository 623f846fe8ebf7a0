// The rules that turn raw stick values and digital directions into the
// virtual controls the screens and the player read, kept apart from the
// devices so that they can be checked alone.
#pragma once

// Up, down, left and right as on or off.
struct DigitalDirections {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
};

// A raw SDL axis value (-32768..32767) as -1..1.
float stickValue(int raw);

// Whether a raw stick value lies beyond the dead zone, given in percent of
// full travel (20 ignores up to 6400).
bool isBeyondStickDeadZone(int raw, int deadzone);

// The left stick's magnitude for a raw value beyond the dead zone: rescaled so
// that the edge of the dead zone gives 0 and full travel 1, then raised to the
// power 2 x curvePower when curvePower is above 0.
float leftStickMagnitude(int raw, int deadzone, float curvePower);

// The analog value each held digital direction gives its move member: 1, or
// 0.7071 on a diagonal.
float digitalDirectionValue(const DigitalDirections& directions);

// The directions menus see in a move vector (x right, y up): once the vector
// is scaled to length 1, a component held strictly beyond 0.7.
DigitalDirections menuDirections(float x, float y);
