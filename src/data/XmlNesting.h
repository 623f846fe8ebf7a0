// How deep the elements of an XML text nest, found by a cheap scan before the
// text is parsed: rapidxml recurses once per level, so a file nested far
// deeper than any real one would overflow the stack instead of failing.
#pragma once

#include <cstddef>

// Deeper than this, a text is refused as malformed. Real files nest a few
// levels; the stack holds many thousands even in instrumented builds.
constexpr std::size_t maxXmlNesting = 1000;

// The deepest element level of the zero-terminated text (1 for top-level
// elements), counted as rapidxml reads it: comments, CDATA sections,
// processing instructions, document types and quoted attribute values hold
// no elements.
std::size_t xmlNestingDepth(const char* text);
