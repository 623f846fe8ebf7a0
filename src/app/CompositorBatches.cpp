#include "app/CompositorBatches.h"

#include <OgreCompositionTargetPass.h>
#include <OgreCompositionTechnique.h>
#include <OgreCompositorChain.h>
#include <OgreCompositorInstance.h>
#include <OgreCompositorManager.h>
#include <OgreRenderTarget.h>

namespace {

std::size_t instanceBatchCount(Ogre::CompositorInstance& instance)
{
    std::size_t batches = 0;
    const Ogre::CompositionTechnique* technique = instance.getTechnique();
    if (!technique)
        return 0;
    for (const Ogre::CompositionTargetPass* pass : technique->getTargetPasses()) {
        const Ogre::String& output = pass->getOutputName();
        if (output.empty())
            continue;
        if (Ogre::RenderTarget* target = instance.getRenderTarget(output))
            batches += target->getStatistics().batchCount;
    }
    return batches;
}

} // namespace

std::size_t compositorBatchCount(Ogre::Viewport* viewport)
{
    Ogre::CompositorManager* manager = Ogre::CompositorManager::getSingletonPtr();
    if (!viewport || !manager || !manager->hasCompositorChain(viewport))
        return 0;
    std::size_t batches = 0;
    for (Ogre::CompositorInstance* instance : manager->getCompositorChain(viewport)->getCompositorInstances())
        if (instance && instance->getEnabled())
            batches += instanceBatchCount(*instance);
    return batches;
}
