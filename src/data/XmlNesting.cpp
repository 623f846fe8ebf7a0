#include "data/XmlNesting.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const whitespace = " \t\r\n";

bool startsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

// Past the first `end` at or after the text, or at the text's end. Each
// step reads only as far as it looks: strstr, which the sanitizers check
// against the length of the whole rest of the text, made a scan of a long
// file quadratic there.
const char* after(const char* text, const char* end)
{
    const std::size_t length = std::strlen(end);
    for (const char* at = std::strchr(text, end[0]); at; at = std::strchr(at + 1, end[0]))
        if (std::strncmp(at, end, length) == 0)
            return at + length;
    return text + std::strlen(text);
}

// A document type's internal subset may hold '>' inside its brackets.
const char* afterDoctype(const char* text)
{
    int brackets = 0;
    for (; *text; ++text) {
        if (*text == '[')
            ++brackets;
        else if (*text == ']' && brackets > 0)
            --brackets;
        else if (*text == '>' && brackets == 0)
            return text + 1;
    }
    return text;
}

// Past the rest of a start tag whose name begins at `text`; `empty` tells an
// empty-element tag ("/>"). Quotes open a value only after '=', as for
// rapidxml, whose names may hold quote characters.
const char* afterStartTag(const char* text, bool& empty)
{
    text += std::strcspn(text, " \t\r\n/>?");
    empty = false;
    for (; *text; ++text) {
        if (*text == '=') {
            const char* value = text + 1 + std::strspn(text + 1, whitespace);
            if (*value == '"' || *value == '\'') {
                const char* close = std::strchr(value + 1, *value);
                if (!close)
                    return value + std::strlen(value);
                text = close;
            }
        } else if (*text == '>') {
            return text + 1;
        } else if (*text == '/' && text[1] == '>') {
            empty = true;
            return text + 2;
        }
    }
    return text;
}

// Past a markup that holds no elements, starting after its '<'; null when
// the markup is a tag.
const char* afterNonElement(const char* text)
{
    if (*text == '?')
        return after(text, "?>");
    if (*text != '!')
        return nullptr;
    if (startsWith(text, "!--"))
        return after(text + 3, "-->");
    if (startsWith(text, "![CDATA["))
        return after(text + 8, "]]>");
    if (startsWith(text, "!DOCTYPE") && text[8] && std::strchr(whitespace, text[8]))
        return afterDoctype(text + 9);
    return after(text, ">");
}

} // namespace

std::size_t xmlNestingDepth(const char* text)
{
    std::size_t depth = 0, deepest = 0;
    while ((text = std::strchr(text, '<'))) {
        ++text;
        if (const char* next = afterNonElement(text)) {
            text = next;
        } else if (*text == '/') {
            depth = depth > 0 ? depth - 1 : 0;
            text = after(text, ">");
        } else {
            bool empty = false;
            text = afterStartTag(text, empty);
            deepest = std::max(deepest, depth + 1);
            if (!empty)
                ++depth;
        }
    }
    return deepest;
}
