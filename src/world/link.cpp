#include "world/link.h"

#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// Takes out the first entry of the object, keeping the order of the rest.
void removeFirst(std::vector<entity*>& list, const entity* object)
{
    const auto found = std::find(list.begin(), list.end(), object);
    if (found != list.end())
        list.erase(found);
}

} // namespace

link::link(std::string linkName)
{
    kind = kindLink;
    name = std::move(linkName);
}

link::~link()
{
    destroyGraphics();
}

entity* link::clone() const
{
    auto* copy = new link(std::string());
    copy->isForward = isForward;
    copy->fromEntity = fromEntity;
    copy->toEntity = toEntity;
    copy->endName = endName;
    return copy;
}

void link::destroyGraphics()
{
    if (endNode)
        destroyDrawing();
    if (fromEntity && toEntity)
        unlinkEnds();
}

void link::destroyDrawing()
{
    Ogre::SceneManager* scene = sceneManager ? sceneManager : endNode->getCreator();
    if (Ogre::SceneNode* parent = endNode->getParentSceneNode())
        parent->removeChild(endNode);
    endNode->detachAllObjects();
    if (sceneNode)
        sceneNode->detachAllObjects();
    scene->destroySceneNode(endNode);
    if (sceneNode)
        scene->destroySceneNode(sceneNode);
    if (lineObject)
        scene->destroyManualObject(lineObject);
    if (endMesh)
        scene->destroyEntity(endMesh);
    endNode = nullptr;
    sceneNode = nullptr;
    lineObject = nullptr;
    endMesh = nullptr;
}

void link::unlinkEnds()
{
    if (isForward) {
        removeFirst(fromEntity->linkedObjects, toEntity);
        removeFirst(toEntity->linkedFrom, fromEntity);
    } else {
        removeFirst(fromEntity->linkedFrom, toEntity);
        removeFirst(toEntity->linkedObjects, fromEntity);
    }
}
