// What a trigger waits for (its activation type) and what it does when it
// fires (its type), by the numbers the level files store.
#pragma once

#include <cstdint>

enum TriggerType : std::uint32_t {
    triggerPlain = 0,
    triggerOverlay = 1,
    triggerPlainWithOutline = 2,
    triggerEndOfLevel = 3,
    triggerCheckpoint = 4,
    triggerTimer = 5,
    triggerPlainAlso = 6,
    triggerSound = 7,
    triggerCamera = 8,
    triggerDelayedStart = 9,
    triggerSmartBomb = 10,
    triggerRandom = 11,
    triggerScoreAndItems = 12,
    triggerWeaponSet = 13,
    triggerStopLinked = 14,
    triggerButton = 15,
    triggerPlayerControl = 16,
    triggerTestOnce = 17,
    triggerPlainRepeating = 18,
    triggerNoStopLinked = 19,
    triggerNoStartLinked = 20,
};

enum TriggerActivationType : std::uint32_t {
    activationInView = 0,
    activationPlayerContact = 1,
    activationAllLinkedActive = 2,
    activationAllLinkedDone = 3,
    activationScoreAbove = 4,
    activationKillsAbove = 5,
    activationAllWavesFinished = 6,
    activationFirstEnemyLifeBelow = 7,
    activationFirstEnemyLifeAbove = 8,
    activationEnemyContact = 9,
    activationAnyLinkedActive = 11,
    activationAnyLinkedDone = 12,
    activationContinuesBelow = 13,
    activationContinuesAbove = 14,
    activationScoreBelow = 19,
};
