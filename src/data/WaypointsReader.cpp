#include "data/WaypointsReader.h"

#include "combat/Wave.h"
#include "data/LibraryFile.h"
#include "data/WaypointReader.h"
#include "world/Waypoint.h"

#include <memory>

namespace {

// A missing speed multiplier keeps the wave's own, as does a missing separation.
Wave* readPath(const XmlNode& element)
{
    auto path = std::make_unique<Wave>("");
    readRequired(element, "name", path->name);
    readRequired(element, "ScreenName", path->screenName);
    readRequired(element, "WP_GlobalSpeedMult", path->WP_GlobalSpeedMult);
    readOptional(element, "separation", path->separation);
    for (const XmlNode* point : childElements(element, "waypoint")) {
        path->waypoints.push_back(new Waypoint("waypoint"));
        readWaypoint(*point, *path->waypoints.back());
    }
    return path.release();
}

} // namespace

void loadWaypointsGamebox(const std::string& fileName, const std::string& group,
                          std::map<std::string, Wave*>& library)
{
    readLibraryFile(fileName, group, "WPS", libraryFailureLine, [&library](const XmlNode& element) {
        Wave* path = readPath(element);
        Wave*& slot = library[path->name];
        if (slot) {
            slot->destroyGraphics();
            delete slot;
        }
        slot = path;
    });
}
