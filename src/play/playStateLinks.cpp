// Turning the names a trigger's links carry into the objects they stand for.
// A link to a trigger is handed over to that trigger, as the link that lets
// it arm this one; links to waves, effects and the player join both ends'
// link lists. A link whose target is missing is dropped, named in one line,
// except a link whose name points to no list, which stays without a target.
#include "play/playState.h"

#include "app/Log.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/EntityNames.h"
#include "world/Trigger.h"
#include "world/link.h"
#include "world/sfx.h"

namespace {

const std::string triggerPrefix = "Tri";
const std::string triggerEntityPrefix = "Trig";
const std::string wavePrefix = "Wave";
const std::string effectPrefix = "sfx";
const std::string playerName = "player";

// Whether the link still waits for its target: links made while linking
// already have theirs.
bool isPlaceholder(const class link* each) { return each && !each->toEntity; }

// The target in the lists the name's prefix points to; `kind` names that
// list, and is null for a name that points to no list.
entity* findTarget(const playState& state, const std::string& name, const char*& kind)
{
    kind = nullptr;
    if (startsWith(name, wavePrefix)) {
        kind = "wave";
        return findByName(state.waves, name);
    }
    if (startsWith(name, effectPrefix)) {
        kind = "effect";
        return findByName(state.sfxList, name);
    }
    if (startsWith(name, triggerEntityPrefix)) {
        kind = "trigger";
        return findByName(state.triggers, name);
    }
    if (name == playerName) {
        kind = "player";
        return Game::getSingletonPtr()->player;
    }
    return nullptr;
}

void connect(Trigger& trigger, class link& each, entity& target)
{
    each.fromEntity = &trigger;
    each.toEntity = &target;
    if (each.isForward) {
        trigger.linkedObjects.push_back(&target);
        target.linkedFrom.push_back(&trigger);
    } else {
        trigger.linkedFrom.push_back(&target);
        target.linkedObjects.push_back(&trigger);
    }
}

// The named trigger gets a link that arms this one; the entity lists stay
// untouched, so triggers never wait on each other through them.
void handOverTriggerLinks(Trigger& trigger, const std::vector<Trigger*>& triggers)
{
    std::size_t i = 0;
    while (i < trigger.incomingLinks.size()) {
        const class link* each = trigger.incomingLinks[i];
        Trigger* named = isPlaceholder(each) && startsWith(each->endName, triggerPrefix)
                             ? findByName(triggers, each->endName)
                             : nullptr;
        if (!named) {
            ++i;
            continue;
        }
        trigger.deleteLink(i, true);
        auto* armingLink = new class link("link");
        armingLink->isForward = 0;
        armingLink->toEntity = &trigger;
        named->outgoingLinks.push_back(armingLink);
    }
}

void resolveLinks(const playState& state, Trigger& trigger, bool incoming, const std::string& levelFile)
{
    std::vector<class link*>& links = incoming ? trigger.incomingLinks : trigger.outgoingLinks;
    std::size_t i = 0;
    while (i < links.size()) {
        class link* each = links[i];
        const char* kind = nullptr;
        entity* target = isPlaceholder(each) ? findTarget(state, each->endName, kind) : nullptr;
        if (kind && !target) {
            logLineOnce("[ERROR] can't find " + std::string(kind) + ": " + each->endName
                        + namedBy("trigger " + trigger.name, levelFile));
            trigger.deleteLink(i, incoming);
            continue;
        }
        if (target)
            connect(trigger, *each, *target);
        ++i;
    }
}

} // namespace

void playState::linkEntities()
{
    const std::string levelFile = Game::getSingletonPtr()->levelName + ".level";
    for (Trigger* trigger : triggers)
        if (trigger)
            handOverTriggerLinks(*trigger, triggers);
    for (Trigger* trigger : triggers) {
        if (!trigger)
            continue;
        resolveLinks(*this, *trigger, true, levelFile);
        resolveLinks(*this, *trigger, false, levelFile);
    }
}
