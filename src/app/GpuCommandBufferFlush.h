// Keeps the GPU at most N frames behind the program: one occlusion query per
// queued frame, and each frame end waits for the query of N frames ago.
#pragma once

#include <OgreFrameListener.h>

#include <cstdint>
#include <vector>

namespace Ogre {

class HardwareOcclusionQuery;

// The frame-index bookkeeping of the flush, apart from the GPU queries.
struct GpuFlushCycle {
    std::uint64_t maxQueuedFrames = 2;
    std::uint64_t currentFrame = 0;
    bool startPull = false;

    void restart(std::uint64_t queuedFrames);
    // Advances to the next frame; returns true when the query at the new
    // `currentFrame` must be pulled (it was used N frames ago).
    bool advance();
};

class GpuCommandBufferFlush : public FrameListener {
public:
    GpuCommandBufferFlush() = default;
    ~GpuCommandBufferFlush() override;
    GpuCommandBufferFlush(const GpuCommandBufferFlush&) = delete;
    GpuCommandBufferFlush& operator=(const GpuCommandBufferFlush&) = delete;

    void start(std::uint64_t queuedFrames);
    void stop();
    bool frameStarted(const FrameEvent& event) override;
    bool frameEnded(const FrameEvent& event) override;

    bool isStarted() const { return started; }

private:
    bool useOcclusionQuery = true;
    std::vector<HardwareOcclusionQuery*> queries;
    std::vector<bool> queryBegun;
    GpuFlushCycle cycle;
    bool started = false;
};

} // namespace Ogre
