#include "app/GpuCommandBufferFlush.h"

#include <OgreHardwareOcclusionQuery.h>
#include <OgreRenderSystem.h>
#include <OgreRenderSystemCapabilities.h>
#include <OgreRoot.h>

namespace Ogre {

namespace {

RenderSystem* activeRenderSystem()
{
    Root* root = Root::getSingletonPtr();
    return root ? root->getRenderSystem() : nullptr;
}

} // namespace

void GpuFlushCycle::restart(std::uint64_t queuedFrames)
{
    maxQueuedFrames = queuedFrames;
    currentFrame = 0;
    startPull = false;
}

bool GpuFlushCycle::advance()
{
    if (maxQueuedFrames == 0)
        return false;
    currentFrame = (currentFrame + 1) % maxQueuedFrames;
    if (currentFrame == 0)
        startPull = true;
    return startPull;
}

GpuCommandBufferFlush::~GpuCommandBufferFlush() { stop(); }

void GpuCommandBufferFlush::start(std::uint64_t queuedFrames)
{
    RenderSystem* renderSystem = activeRenderSystem();
    if (!renderSystem)
        return;
    stop();
    cycle.restart(queuedFrames);
    const RenderSystemCapabilities* caps = renderSystem->getCapabilities();
    useOcclusionQuery = caps && caps->hasCapability(RSC_HWOCCLUSION);
    if (useOcclusionQuery) {
        for (std::uint64_t i = 0; i < queuedFrames; ++i)
            queries.push_back(renderSystem->createHardwareOcclusionQuery());
        queryBegun.assign(queries.size(), false);
    }
    Root::getSingleton().addFrameListener(this);
    started = true;
}

void GpuCommandBufferFlush::stop()
{
    RenderSystem* renderSystem = activeRenderSystem();
    if (!started || !renderSystem)
        return;
    for (HardwareOcclusionQuery* query : queries)
        renderSystem->destroyHardwareOcclusionQuery(query);
    queries.clear();
    queryBegun.clear();
    Root::getSingleton().removeFrameListener(this);
    started = false;
}

bool GpuCommandBufferFlush::frameStarted(const FrameEvent&)
{
    if (useOcclusionQuery && cycle.currentFrame < queries.size()) {
        queries[cycle.currentFrame]->beginOcclusionQuery();
        queryBegun[cycle.currentFrame] = true;
    }
    return true;
}

bool GpuCommandBufferFlush::frameEnded(const FrameEvent&)
{
    const bool haveQueries = useOcclusionQuery && !queries.empty();
    // A query is outstanding from its begin until its end; asking GL about an
    // active query is an error, so the begun flag answers instead.
    if (haveQueries && queryBegun[cycle.currentFrame]) {
        queries[cycle.currentFrame]->endOcclusionQuery();
        queryBegun[cycle.currentFrame] = false;
    }
    const bool pull = cycle.advance();
    if (pull && haveQueries) {
        unsigned int fragments = 0;
        queries[cycle.currentFrame]->pullOcclusionQuery(&fragments);
    }
    return true;
}

} // namespace Ogre
