// A pool's live records taken one by one in list order, as the play state's
// shot steps take them (and the benchmarks that fly them without the
// steps): the records that became free leave the list, so that a later
// launch can list them again. Records and their outlines are large and far
// apart in memory: what a step reads of a record is asked for some records
// ahead of its turn, and its outline, whose address the record holds,
// nearer to it.
#pragma once

#include "combat/bullet.h"
#include "play/ShotList.h"
#include "world/Obb.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace liveShotSteps {

inline constexpr int recordsAhead = 8;
inline constexpr int outlinesAhead = 4;
inline constexpr std::size_t cacheLine = 64;

// The lines of the record a step reads first: flight values and place.
inline void prefetchRecord(const bullet* record)
{
    const auto* start = reinterpret_cast<const char*>(record);
    for (std::size_t line = 0; line < 3; ++line)
        __builtin_prefetch(start + line * cacheLine);
}

// The outline's screen values, and the size and spot its projection reads.
inline void prefetchOutline(const bullet* record)
{
    if (const Obb* outline = record->obb) {
        __builtin_prefetch(&outline->centre);
        __builtin_prefetch(&outline->edges.back());
        __builtin_prefetch(&outline->size);
        __builtin_prefetch(&outline->spot);
    }
}

inline ShotList::iterator advanced(ShotList::iterator it, const ShotList& live, int steps)
{
    for (int i = 0; i < steps && it != live.end(); ++i)
        ++it;
    return it;
}

} // namespace liveShotSteps

// Each live record's step. Only a record's own step frees it, so the
// records ahead stay in the list.
template <std::size_t Count, typename Step>
void stepLiveShots(ShotList& live, const std::array<bullet*, Count>& records, Step&& step)
{
    using namespace liveShotSteps;
    auto farAhead = advanced(live.begin(), live, recordsAhead);
    auto nearAhead = advanced(live.begin(), live, outlinesAhead);
    for (auto it = live.begin(); it != live.end();) {
        if (farAhead != live.end())
            prefetchRecord(records[static_cast<std::size_t>(*farAhead++)]);
        if (nearAhead != live.end())
            prefetchOutline(records[static_cast<std::size_t>(*nearAhead++)]);
        bullet* record = records[static_cast<std::size_t>(*it)];
        step(*record);
        it = record->state == bullet::stateFree ? live.erase(it) : std::next(it);
    }
}
