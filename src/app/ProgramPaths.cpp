#include "app/ProgramPaths.h"

ProgramPaths programPaths;

void splitProgramPath(ProgramPaths& paths, const std::string& executable)
{
    const std::size_t slash = executable.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : executable.substr(0, slash);
    paths.exeFileName = slash == std::string::npos ? executable : executable.substr(slash + 1);
    paths.exePath = folder + "//";

    // The name of a Windows program ends in ".exe"; here it usually has none.
    const std::string extension = ".exe";
    const std::string& name = paths.exeFileName;
    const bool hasExtension = name.size() >= extension.size()
                              && name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
    paths.exeBaseName = hasExtension ? name.substr(0, name.size() - extension.size()) : name;
}
