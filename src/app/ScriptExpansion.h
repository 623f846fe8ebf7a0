// Before Ogre's script compiler builds anything it copies each object's bases
// into it and each variable's value in place of its use, and a value may use
// other variables. A few lines whose objects inherit one another twice over,
// or whose variables use one another twice, grow without bound and take all
// the memory; a variable that uses itself never ends. A script is therefore
// measured first, as parsed, with the scripts it imports: the count is an
// upper bound of what the compiler would make of it.
#pragma once

#include <OgreScriptCompiler.h>

#include <cstdint>
#include <vector>

// Far beyond any real script (the largest of the sample holds about a
// thousand nodes after expansion), yet compiled in about a second even
// under the sanitizers, in some hundred megabytes.
constexpr std::uint64_t maxScriptNodes = 200000;

// At most the number of nodes the script and its imports would expand to;
// maxScriptNodes + 1 when that is more, or when the expansion never ends.
std::uint64_t expandedNodeCount(const Ogre::ConcreteNodeList& script,
                                const std::vector<const Ogre::ConcreteNodeList*>& imports);
