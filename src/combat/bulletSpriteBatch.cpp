// Scaffold: replaced by the sprite batch.
#include "combat/bulletSpriteBatch.h"

void bulletSpriteBatch::create(Ogre::SceneManager*) {}
void bulletSpriteBatch::update(bullet* const*, bullet* const*) {}
void bulletSpriteBatch::clear() {}
void bulletSpriteBatch::destroyObjects() {}
void bulletSpriteBatch::destroyAll() {}
void bulletSpriteBatch::collectSpriteNames() {}
Ogre::ManualObject* bulletSpriteBatch::objectFor(const std::string&, bool) { return nullptr; }
