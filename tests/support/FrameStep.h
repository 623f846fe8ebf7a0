// The step most tests of play advance by: one frame at 60 Hz.
#pragma once

inline constexpr double frame = 1.0 / 60.0;
