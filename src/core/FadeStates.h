// The states of the Game's black screen fade ("FadeInOut"), as its
// fadeState holds them.
#pragma once

constexpr int fadeIdle = 0;
constexpr int fadingIn = 1;
constexpr int fadingOut = 2;
constexpr int fadedOut = 3;
