// Starting and stopping the objects a trigger's outgoing links name, and
// taking its links down.
#include "world/Trigger.h"

#include "combat/Player.h"
#include "combat/Wave.h"
#include "world/TriggerKinds.h"
#include "world/link.h"

void Trigger::armAndUpdate(Trigger* linked)
{
    linked->isStarted = 1;
    linked->update(0.0);
}

// Status and isStarted are written directly: setStatus would pass the
// status on to the target's children.
void Trigger::startLinkedObjects(bool start)
{
    if (!start && (type == triggerWeaponSet || type == triggerNoStopLinked))
        return;
    for (const class link* each : outgoingLinks) {
        entity* target = each ? each->toEntity : nullptr;
        if (!target)
            continue;
        if (!start) {
            stopLinkedObject(target);
        } else if (target->kind == kindTrigger) {
            armAndUpdate(static_cast<Trigger*>(target));
        } else {
            if (target->status != statusActive && target->status != statusDone)
                target->status = statusStarted;
            target->isStarted = 1;
        }
    }
}

void Trigger::stopLinkedObject(entity* target)
{
    if (target->kind == kindTrigger) {
        auto* linked = static_cast<Trigger*>(target);
        const bool keepsRunning =
            (linked->isPlayUntilEnd && linked->status == statusActive)
            || (linked->type == triggerPlain && linked->activation_type == activationAllLinkedDone);
        if (linked->isSwitchOnly && !keepsRunning)
            linked->isStarted = 0;
        return;
    }
    if (target->status != statusActive)
        return;
    if (target->kind == kindPlayer && isKilledExplode)
        static_cast<Player*>(target)->setLife(0);
    target->status = statusEnding;
    if (target->kind != kindWave)
        return;
    auto* wave = static_cast<Wave*>(target);
    if (!isKilledAddCount)
        wave->suppressScoreRecursive();
    if (!isKilledExplode)
        wave->suppressExplosionRecursive();
}

void Trigger::deleteLink(std::size_t index, bool incoming)
{
    std::vector<class link*>& links = incoming ? incomingLinks : outgoingLinks;
    if (index >= links.size())
        return;
    links[index]->destroyGraphics();
    delete links[index];
    links.erase(links.begin() + static_cast<std::ptrdiff_t>(index));
}
