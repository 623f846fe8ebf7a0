#include "app/AudioState.h"

#include "app/AudioService.h"

#include <OgreRoot.h>
#include <OgreTimer.h>

#include <chrono>

namespace {

std::function<std::uint64_t()> millisecondsSource;

std::uint64_t rootTimerMilliseconds()
{
    if (Ogre::Root* root = Ogre::Root::getSingletonPtr())
        return root->getTimer()->getMilliseconds();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace

AudioState& audio()
{
    static AudioState state;
    return state;
}

void setSoundMilliseconds(std::function<std::uint64_t()> clock) { millisecondsSource = std::move(clock); }

std::uint64_t soundMilliseconds() { return millisecondsSource ? millisecondsSource() : rootTimerMilliseconds(); }

std::string soundBaseName(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

platform::Sound* findBankSound(platform::Sound* bank, const std::string& baseName)
{
    return bank ? bank->getSubSound(bank->findSubSound(baseName)) : nullptr;
}

platform::SoundVector toSoundVector(const Ogre::Vector3& vector) { return {vector.x, vector.y, vector.z}; }

float percentVolume(int percent) { return static_cast<float>(percent * 0.01); }
