// The names of the Ogre manual objects that live as long as the level: they
// are destroyed with it. Whatever makes such an object adds its name.
#pragma once

#include <string>
#include <vector>

namespace Ogre {
class SceneManager;
} // namespace Ogre
class Level;

struct ManualObjectRegister {
    std::vector<std::string> names;
    Level* level = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
};
