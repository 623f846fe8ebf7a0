// The entry points of a fuzz program: the target named by
// ZARNITH_FUZZ_TARGET is set up once, then every input is stored where the
// game looks for its file and read. A reader that never opens its input
// tests nothing: the run fails.
#include "FuzzTarget.h"
#include "FuzzWorld.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <OgreResourceGroupManager.h>

namespace {

FuzzTarget target;
std::string inputPath;

FuzzTarget findTarget(const std::string& name)
{
    for (auto family : {fileTargets, libraryTargets, levelTargets, soundTargets, menuTargets})
        for (const FuzzTarget& entry : family())
            if (entry.name == name)
                return entry;
    std::fprintf(stderr, "no fuzz target named %s\n", name.c_str());
    std::abort();
}

} // namespace

const std::string& fuzzInputPath() { return inputPath; }

std::string fuzzInputText()
{
    return Ogre::ResourceGroupManager::getSingleton().openResource(target.fileName, target.group)->getAsString();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    target = findTarget(ZARNITH_FUZZ_TARGET);
    inputPath = fuzzWorld().addInputGroup(target.group, target.fileName, target.companions);
    if (target.prepare)
        target.prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzWorld().storeInput(data, size);
    const std::size_t opensBefore = fuzzWorld().inputOpens();
    target.read();
    if (size > 0 && fuzzWorld().inputOpens() == opensBefore) {
        std::fprintf(stderr, "the %s reader never opened its input %s\n", target.name.c_str(), inputPath.c_str());
        std::abort();
    }
    return 0;
}
