// The nesting scan that guards every XML parse: it must count what rapidxml
// would recurse into, and nothing that only looks like a tag.
#include "data/XmlNesting.h"

#include <gtest/gtest.h>

namespace {

struct NestingCase {
    const char* text;
    std::size_t depth;
};

const NestingCase nestingCases[] = {
    {"", 0},
    {"plain text", 0},
    {"<a/>", 1},
    {"<a><b/></a><c/>", 2},
    {"<a><b></b><c><d/></c></a>", 3},
    {"<a><b><c>", 3},
    {"</a></b><a/>", 1},
    {"<!-- <a><b><c> --><a/>", 1},
    {"<a><![CDATA[<b><c>]]></a>", 1},
    {"<?xml version=\"1.0\"?><?pi <a><b> ?><a/>", 1},
    {"<!DOCTYPE r [ <!ENTITY e \"<a>\"> <!ELEMENT r ANY> ]><r/>", 1},
    {"<!other > <a/>", 1},
    {"<a x=\"<b><c>\" y='/>'><d/></a>", 2},
    // A quote inside a name opens no value: the tags after it still count.
    {"<a b\"c=\"x\"><d/></a>", 2},
    {"<a=\"x><b/></a>", 2},
    {"<a x=\"never closed <b><c>", 1},
};

TEST(XmlNesting, DepthCountsOnlyWhatTheParserRecursesInto)
{
    for (const NestingCase& nesting : nestingCases)
        EXPECT_EQ(xmlNestingDepth(nesting.text), nesting.depth) << nesting.text;
}

} // namespace
