// Bare particle templates for one test: the ones the process lacks are made
// in "General" and removed again afterwards (templates are process-wide).
#pragma once

#include "support/OgreTestRoot.h"

#include <string>
#include <vector>

class ParticleTemplates {
public:
    template <typename Names>
    explicit ParticleTemplates(const Names& names)
    {
        Ogre::ParticleSystemManager& particles = Ogre::ParticleSystemManager::getSingleton();
        for (const std::string& name : names)
            if (!particles.getTemplate(name)) {
                particles.createTemplate(name, "General");
                made.push_back(name);
            }
    }
    ~ParticleTemplates()
    {
        for (const std::string& name : made)
            Ogre::ParticleSystemManager::getSingleton().removeTemplate(name);
    }
    ParticleTemplates(const ParticleTemplates&) = delete;
    ParticleTemplates& operator=(const ParticleTemplates&) = delete;

private:
    std::vector<std::string> made;
};
