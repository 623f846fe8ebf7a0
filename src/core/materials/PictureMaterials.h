// Materials of overlay pictures (menus, HUD, bars, trigger overlays): scrolling
// pictures cloned per texture from "defaultPictureScrolling", and pictures cut
// into animated frames cloned per picture from "defaultAnimatedPicture" into
// "GAMERSC", with the frame constants of the pictures library.
#pragma once

#include <OgreMaterial.h>
#include <OgreVector.h>

#include <string>

namespace Ogre {
class Renderable;
}

// The material texture + suffix; null when its template is missing.
Ogre::MaterialPtr createScrollingPictureMaterial(const std::string& texture, const std::string& suffix);
void setPictureScrollSpeed(const Ogre::MaterialPtr& material, const Ogre::Vector2& speed);
// The material picture + suffix ("none" + suffix for an empty picture); null
// when its template is missing.
Ogre::MaterialPtr createAnimatedPictureMaterial(std::string picture, const std::string& suffix);
// The same, named prefix + picture ("none" for an empty picture): the copy
// one screen keeps of a picture others may use too.
Ogre::MaterialPtr createPrefixedPictureMaterial(const std::string& prefix, std::string picture);
// Writes the frame constants of the picture (the material's own texture when
// the name is empty) into the material.
void setAnimatedPictureParameters(const Ogre::MaterialPtr& material, const std::string& picture);
// Restarts the animation of an overlay element's picture from its first frame.
void setElapsedTimeParameter(Ogre::Renderable& renderable, const std::string& texture);
