// A pool's live records taken one by one in list order, as the play state's
// shot steps take them, for the benchmarks that fly them without the steps:
// the records that became free leave the list, as in play, so that a later
// launch can list them again.
#pragma once

#include "combat/bullet.h"
#include "play/ShotList.h"

#include <array>
#include <cstddef>
#include <iterator>

template <std::size_t Count, typename Step>
void stepLiveRecords(ShotList& live, const std::array<bullet*, Count>& records, Step&& step)
{
    for (auto it = live.begin(); it != live.end();) {
        bullet& record = *records[static_cast<std::size_t>(*it)];
        step(record);
        it = record.state == bullet::stateFree ? live.erase(it) : std::next(it);
    }
}
