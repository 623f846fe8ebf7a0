// The batches drawn into the compositors' own render targets of a viewport,
// which the window's statistics do not count.
#pragma once

#include <cstddef>

namespace Ogre {
class Viewport;
} // namespace Ogre

// The sum of the last frame's batches of the render target of every target
// pass of every enabled compositor of the viewport's chain; 0 without a
// viewport or a chain. The passes that draw into the viewport itself are
// counted with the window.
std::size_t compositorBatchCount(Ogre::Viewport* viewport);

// The program-wide switch that has the debug counters count those batches
// too; off.
inline bool isCompositorDebug = false;
