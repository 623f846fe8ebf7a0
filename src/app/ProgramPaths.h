// The program's own folders and names, found once at start-up.
#pragma once

#include <string>

struct ProgramPaths {
    std::string engineVersion; // "1.7.2.0"
    std::string mydocuments;   // the user's documents folder
    std::string exeFileName;   // the running program's file name
    std::string exePath;       // the program's folder followed by "//"
    std::string exeBaseName;   // exeFileName without a ".exe" ending
    std::string prefPath;      // the preference folder, with its trailing separator
};

extern ProgramPaths programPaths;

// Fills the file and folder names from the full path of the program.
void splitProgramPath(ProgramPaths& paths, const std::string& executable);
