// The entry points of a fuzz program: the target named by
// ZARNITH_FUZZ_TARGET is set up once, then every input is stored where the
// game looks for its file and read.
#include "FuzzTarget.h"
#include "FuzzWorld.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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
    target.read();
    return 0;
}
