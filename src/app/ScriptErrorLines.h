// While a resource group's scripts are parsed, the first error Ogre reports
// for a script (the lexer's, the parser's or the compiler's, which already
// carry the line) becomes one "[ERROR] " line of the program's log naming the
// script; further errors of the same script stay in Ogre's own lines.
#pragma once

#include <memory>
#include <string>

class ScriptErrorLines {
public:
    // Listens from here until the scope ends.
    ScriptErrorLines();
    ~ScriptErrorLines();
    ScriptErrorLines(const ScriptErrorLines&) = delete;
    ScriptErrorLines& operator=(const ScriptErrorLines&) = delete;

private:
    class Listener;
    std::unique_ptr<Listener> listener;
};

// Logs a fault the program finds in the script being parsed as Ogre logs its
// errors, so that the line naming the script carries it.
void logScriptFault(const std::string& fault);
