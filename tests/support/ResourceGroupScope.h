// Resource groups made by one test and destroyed after it, on the shared root.
#pragma once

#include "support/OgreTestRoot.h"

#include "app/ResourceLocations.h"

#include <OgreResourceGroupManager.h>

#include <string>
#include <vector>

class ResourceGroupScope {
public:
    explicit ResourceGroupScope(std::vector<std::string> names) : groups(std::move(names)) { sharedTestRoot(); }
    ~ResourceGroupScope()
    {
        Ogre::ResourceGroupManager& manager = Ogre::ResourceGroupManager::getSingleton();
        for (const std::string& group : groups)
            if (manager.resourceGroupExists(group))
                manager.destroyResourceGroup(group);
    }
    ResourceGroupScope(const ResourceGroupScope&) = delete;
    ResourceGroupScope& operator=(const ResourceGroupScope&) = delete;

    // One folder as the only location of a group, initialised. A missing
    // group is made as the program makes it: a game group outside the global
    // pool would leave the names of meshes found by search behind in Ogre's
    // pool when destroyed, and the next test could not make a mesh so named.
    static void addFolder(const std::string& folder, const std::string& group)
    {
        createResourceGroupOnce(group);
        Ogre::ResourceGroupManager& manager = Ogre::ResourceGroupManager::getSingleton();
        manager.addResourceLocation(folder, "FileSystem", group);
        manager.initialiseResourceGroup(group);
    }

private:
    std::vector<std::string> groups;
};
