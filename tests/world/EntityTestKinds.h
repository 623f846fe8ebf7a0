// Small entity kinds for the tests: a plain one, one that records the
// operations called on it, and a movable object that records the render
// priority set with its queue group.
#pragma once

#include "world/entity.h"

#include <OgreMovableObject.h>

#include <string>
#include <vector>

class plainEntity : public entity {
public:
    entity* clone() const override { return new plainEntity; }
};

// Appends "<name> <operation> <value>" to a shared journal.
class recordingEntity : public entity {
public:
    recordingEntity(std::string entityName, std::vector<std::string>& journal) : journal(journal)
    {
        name = std::move(entityName);
    }
    entity* clone() const override { return new recordingEntity(name, journal); }
    void setVisible(bool visible) override { journal.push_back(name + " setVisible " + std::to_string(visible)); }
    void setStatus(int newStatus) override
    {
        journal.push_back(name + " setStatus " + std::to_string(newStatus));
        entity::setStatus(newStatus);
    }
    void hideAndForward(bool flag) override
    {
        journal.push_back(name + " hideAndForward " + std::to_string(flag));
        entity::hideAndForward(flag);
    }

private:
    std::vector<std::string>& journal;
};

class QueueRecordingMovable : public Ogre::MovableObject {
public:
    void setRenderQueueGroupAndPriority(Ogre::uint8 queueId, Ogre::ushort renderPriority) override
    {
        priority = renderPriority;
        Ogre::MovableObject::setRenderQueueGroupAndPriority(queueId, renderPriority);
    }
    const Ogre::String& getMovableType() const override { return type; }
    const Ogre::AxisAlignedBox& getBoundingBox() const override { return Ogre::AxisAlignedBox::BOX_NULL; }
    Ogre::Real getBoundingRadius() const override { return 0.0f; }
    void _updateRenderQueue(Ogre::RenderQueue*) override {}
    void visitRenderables(Ogre::Renderable::Visitor*, bool) override {}

    int priority = -1; // last priority set with a group; -1 before any
    Ogre::String type = "QueueRecordingMovable";
};
