// The Level's death effects of shots: a pool of bursts for each impact
// template, made on the template's first impact, and one for the Game's
// cancel template, made when the shot pools are reset. However many shots a
// level fires, the scene holds these systems and no others for their deaths.
#pragma once

#include "combat/ShotEffectPool.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class ShotDeathEffects {
public:
    // Bursts of one impact template that play at once. An impact plays well
    // under a second (the sample game's a third of one): 64 keep up with
    // some 180 impacts a second. Past that the oldest burst moves to the
    // newest impact, so the latest ones always show.
    static constexpr std::size_t impactBursts = 64;
    // Cancel bursts that play at once. An enemy's death cancels all its
    // shots in the same step, hundreds of them for a dense pattern: 256 show
    // all but the densest, and take a few milliseconds to make when the
    // level is entered.
    static constexpr std::size_t cancelBursts = 256;

    ShotDeathEffects() = default;
    ~ShotDeathEffects() { destroy(); }
    ShotDeathEffects(const ShotDeathEffects&) = delete;
    ShotDeathEffects& operator=(const ShotDeathEffects&) = delete;

    // Every burst stops, and the cancel pool is made anew in the scene when
    // the template changed; none for an empty name.
    void reset(Ogre::SceneManager* scene, const std::string& cancelTemplate);
    // The pool of the impact template, made in the scene on first use.
    ShotEffectPool& impacts(Ogre::SceneManager& scene, const std::string& templateName);
    // The cancel pool; null before a reset or for an empty template.
    ShotEffectPool* cancels() const { return cancelPool.get(); }
    // Bursts that have played their time stop.
    void step(double dt);
    // Every pool and its systems and nodes gone, while the scene still holds
    // them.
    void destroy();

private:
    std::map<std::string, std::unique_ptr<ShotEffectPool>, std::less<>> impactPools;
    std::unique_ptr<ShotEffectPool> cancelPool;
};
