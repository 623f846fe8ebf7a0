// The one Ogre root of the test process. Ogre allows a single root per process,
// so every test that needs the engine without a window shares this one. It has
// no render system, yet it can parse scripts, read resources and run scene and
// particle code. It lives until the process ends.
#pragma once

#include <OgreControllerManager.h>
#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreMath.h>
#include <OgreOverlaySystem.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreRoot.h>

inline Ogre::Root& sharedTestRoot()
{
    static Ogre::Root* root = [] {
        // A quiet default log: no file, no console echo; listeners still see every line.
        if (!Ogre::LogManager::getSingletonPtr())
            (new Ogre::LogManager)->createLog("zarnith_tests.log", true, false, true);
        auto* made = new Ogre::Root("", "", "");
        // The table-based sine and cosine, as start-up makes them; kept
        // reachable so that leak checkers do not report it.
        static Ogre::Math* tables = new Ogre::Math(4096);
        (void)tables;
        // What Root::initialise would set up, had it a render system to start.
        Ogre::MaterialManager::getSingleton().initialise();
        Ogre::ParticleSystemManager::getSingleton()._initialise();
        if (!Ogre::ControllerManager::getSingletonPtr())
            new Ogre::ControllerManager;
        return made;
    }();
    return *root;
}

// Overlay and font managers on the shared root, made once.
inline Ogre::OverlaySystem& sharedTestOverlaySystem()
{
    sharedTestRoot();
    static auto* overlays = new Ogre::OverlaySystem;
    return *overlays;
}
