#include "app/ScriptPairing.h"

#include <cstddef>

namespace {

// The lexer's states.
enum class Reading { between, word, variable, quote, lineComment, blockComment, slash };

bool isNewline(char c) { return c == '\n' || c == '\r'; }
bool isBlank(char c) { return c == ' ' || c == '\r' || c == '\t'; }
bool endsWord(char c) { return isNewline(c) || isBlank(c) || c == '{' || c == '}' || c == ':'; }

// The state after reading c, with the character before it.
Reading next(Reading state, char c, char before)
{
    switch (state) {
    case Reading::between:
        if ((c == '/' || c == '*') && before == '/')
            return c == '/' ? Reading::lineComment : Reading::blockComment;
        if (c == '"')
            return Reading::quote;
        if (c == '$')
            return Reading::variable;
        if (isNewline(c) || isBlank(c))
            return Reading::between;
        return c == '/' ? Reading::slash : Reading::word;
    case Reading::slash:
        if ((c == '/' || c == '*') && before == '/')
            return c == '/' ? Reading::lineComment : Reading::blockComment;
        return endsWord(c) ? Reading::between : Reading::word;
    case Reading::word:
    case Reading::variable:
        return endsWord(c) ? Reading::between : state;
    case Reading::quote:
        return c == '"' && before != '\\' ? Reading::between : state;
    case Reading::lineComment:
        return isNewline(c) ? Reading::between : state;
    case Reading::blockComment:
        return c == '/' && before == '*' ? Reading::between : state;
    }
    return state;
}

// What a brace character is to the lexer and to the parser after it.
enum class Brace { none, token, inWord };

// A brace inside a word or variable ends it and stands alone. One that starts
// a word ("}b", "/{") is part of the word for the parser, yet the lexer counts
// it as a brace all the same, or not at all after a slash: the two would
// disagree on what is open.
Brace braceAt(const std::string& script, std::size_t i, Reading state)
{
    const char c = script[i];
    if (c != '{' && c != '}')
        return Brace::none;
    if (state == Reading::word || state == Reading::variable)
        return Brace::token;
    if (state == Reading::between)
        return i + 1 == script.size() || endsWord(script[i + 1]) ? Brace::token : Brace::inWord;
    return state == Reading::slash ? Brace::inWord : Brace::none;
}

// The text up to `end`, its open objects closed.
PairedScript closed(const std::string& script, std::size_t end, int open, bool inBlockComment,
                    const std::string& fault)
{
    std::string text = script.substr(0, end);
    if (inBlockComment)
        text += "*/";
    text += "\n";
    for (int i = 0; i < open; ++i)
        text += "}\n";
    return {text, fault};
}

} // namespace

PairedScript pairedScript(const std::string& script)
{
    Reading state = Reading::between;
    char before = 0;
    int open = 0;
    int line = 1;
    int firstOpenLine = 0;
    std::size_t quoteStart = 0;
    int quoteOpenAt = 0;
    int quoteLine = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        const Brace brace = braceAt(script, i, state);
        if (brace == Brace::inWord)
            return closed(script, i, open, false, "a brace inside a word at line " + std::to_string(line));
        if (brace == Brace::token && c == '{' && open++ == 0)
            firstOpenLine = line;
        if (brace == Brace::token && c == '}' && open-- == 0)
            return closed(script, i, 0, false, "a closing brace without its opening one at line " + std::to_string(line));
        const Reading after = next(state, c, before);
        if (after == Reading::quote && state != Reading::quote) {
            quoteStart = i;
            quoteOpenAt = open;
            quoteLine = line;
        }
        state = after;
        if (c == '\r' || (c == '\n' && before != '\r'))
            ++line;
        before = c;
    }
    if (state == Reading::quote)
        return closed(script, quoteStart, quoteOpenAt, false,
                      "a quote without its end at line " + std::to_string(quoteLine));
    if (open > 0)
        return closed(script, script.size(), open, state == Reading::blockComment,
                      "a brace left open at line " + std::to_string(firstOpenLine));
    // The parser reads two tokens past an import's target without looking:
    // past the end of a script that stops right after one.
    return {script.empty() || isNewline(script.back()) ? script : script + "\n", {}};
}
