// Finding level objects by the names the level file gives them: the first
// object of a name wins, names are compared byte for byte.
#pragma once

#include "combat/Wave.h"

#include <string>
#include <vector>

inline bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A wave is known by its level name, other objects by their entity name.
inline const std::string& levelName(const Wave& wave) { return wave.waveName; }
inline const std::string& levelName(const entity& object) { return object.name; }

template <class Object>
Object* findByName(const std::vector<Object*>& objects, const std::string& name)
{
    for (Object* object : objects)
        if (object && levelName(*object) == name)
            return object;
    return nullptr;
}
