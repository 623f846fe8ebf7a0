// Ogre's script lexer reports braces and quotes that do not pair up, yet hands
// the compiler the tokens it read: objects left open reach the compiler's
// variable lookup, which then reads freed memory and ends the program (a
// script of random bytes does this). A script is therefore read here first,
// character by character as that lexer reads it, and cut back to where its
// braces and quotes still pair up, its open objects closed.
#pragma once

#include <string>

struct PairedScript {
    // The text to compile: the script itself when it pairs up, always ending
    // with a line break.
    std::string text;
    // What did not pair up and the line where it stands; empty when all did.
    std::string fault;
};

PairedScript pairedScript(const std::string& script);
