// An enemy group. This is its least form: an entity of kind 1 with its
// members and the named waypoint path that the path library keeps in a wave
// (the waypoints, the path's speed multiplier and separation). The members'
// behaviour, the spawner and the run phases arrive with the combat actors;
// triggers already test its status and its first member and stop it.
#pragma once

#include "world/entity.h"

#include <string>
#include <vector>

class Enemy;
class Waypoint;

class Wave : public entity {
public:
    explicit Wave(std::string waveName);
    // The copy of a path: names, speed multiplier, separation and a copy of
    // every waypoint; its template is the source's, or the source itself.
    Wave(const Wave& other);
    Wave& operator=(const Wave&) = delete;
    ~Wave() override;

    entity* clone() const override;
    // Deletes the waypoints and empties the children map.
    void destroyGraphics() override;

    // Members killed from now on die without exploding / give no score or
    // chain. The child waves a wave kills with it follow with the spawner.
    void suppressExplosionRecursive();
    void suppressScoreRecursive();

    std::vector<Enemy*> members; // member 0 is the wave's own; owned
    bool isExplodeOnDeath = true;
    bool isScoreSuppressed = false;
    std::vector<Waypoint*> waypoints; // the path, in order; owned
    float WP_GlobalSpeedMult = 1.0f;  // speed multiplier of the whole path
    float separation = 0.0f;
};
