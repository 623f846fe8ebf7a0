// The yardstick of the shot benchmarks: the volley's 11,000 shots held in
// plain arrays (a structure of arrays: positions, velocities, speeds, timers,
// each its own array) and flown one fixed step with the arithmetic of the
// project's flight (bulletFlight.cpp): the two speed changes, the seven
// steering modes, the facing toward the heading, the sprites turning to
// the eye, and each shot's quad written into a vertex buffer of four
// corners of position and texture coordinates. No scene nodes, no virtual
// calls, no view test, no rays: what the step costs when nothing but its
// arithmetic and its data stand in the way.
//
// Both benchmark programs compile this file: each registers the baseline
// as BM_ShotBaselineSoA and times it once more for the other benchmarks'
// ratios (ReferenceTime.h), so every ratio is of figures taken in the same
// process on the same core.
#pragma once

namespace shotBaseline {

// CPU seconds of one step of the volley in arrays, measured on first use
// (the median of five volleys of 120 steps) and kept for the process.
double stepSeconds();

} // namespace shotBaseline
