// What a wave gives for its kills: the points, pop-ups, chain and gauge of
// each kill, and the items and shot cancelling of a destroyed group.
#pragma once

#include <OgreVector.h>

class Enemy;
class Wave;

// Kills score unless the wave's score is suppressed, or its parent wave
// kills its children and is no longer running.
bool isKillScored(const Wave& wave);

// The member's points at the kill position, with their pop-ups and gauge.
void scoreKill(const Wave& wave, const Enemy& member, const Ogre::Vector3& where);

// The group's items, and every enemy shot cancelled when it says so.
void rewardGroupDestroyed(const Wave& wave, const Ogre::Vector3& where);

// The wave's items at the position; none when it names none.
void dropWaveItems(const Wave& wave, const Ogre::Vector3& where);
