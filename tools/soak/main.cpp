// Plays the sample game with scripted input for some minutes and prints the
// program's resident memory each minute, to show whether it grows.
//   zarnith_soak [--limit PERCENT] [MINUTES] [PROGRAM_FOLDER]
// Exits with 1 when the program ended on its own or its memory at the end is
// more than PERCENT (5) above that of the first minute.
#include "PlayerScript.h"
#include "SoakSession.h"

#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr int defaultMinutes = 20;
constexpr double defaultLimitPercent = 5.0;
const std::string settingsFile = "share/Zarnith/zarnith/config.ini";

struct Options {
    int minutes = defaultMinutes;
    double limitPercent = defaultLimitPercent;
    std::string programFolder = ZARNITH_GAME_DIR;
};

bool parse(int argc, char** argv, Options& options)
{
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--limit" && i + 1 < argc)
            options.limitPercent = std::atof(argv[++i]);
        else
            positional.push_back(argument);
    }
    if (positional.size() > 0)
        options.minutes = std::atoi(positional[0].c_str());
    if (positional.size() > 1)
        options.programFolder = positional[1];
    return positional.size() <= 2 && options.minutes > 0;
}

// Frames are drawn without the focus a window manager would give.
void writeSettings(ProgramRun& run)
{
    const std::string settings = run.folder().read("game/data/config.ini_");
    run.folder().write(settingsFile, std::regex_replace(settings, std::regex("isAlwaysRender = false"),
                                                        "isAlwaysRender = true"));
}

bool report(const SoakSession& session, double limitPercent)
{
    const std::vector<double>& samples = session.residentMiB();
    if (samples.empty())
        return false;
    const double change = 100.0 * (samples.back() - samples.front()) / samples.front();
    std::cout << "first minute: " << samples.front() << " MiB, minute " << samples.size() << ": " << samples.back()
              << " MiB, change: " << std::showpos << change << std::noshowpos << " %" << std::endl;
    if (change <= limitPercent)
        return true;
    std::cout << "resident memory grew more than " << limitPercent << " %" << std::endl;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "usage: zarnith_soak [--limit PERCENT] [MINUTES] [PROGRAM_FOLDER]" << std::endl;
        return EXIT_FAILURE;
    }
    std::cout << std::fixed << std::setprecision(1);
    ProgramRun run(options.programFolder);
    writeSettings(run);
    SoakSession session(run, options.minutes);
    if (!session.start()) {
        std::cerr << "the program did not start:\n" << run.logText() << std::endl;
        return EXIT_FAILURE;
    }
    reachStartMenu(session);
    for (bool isLong = false; !session.isOver(); isLong = !isLong)
        playRound(session, isLong);
    if (session.hasEnded()) {
        std::cout << "the program ended after " << session.residentMiB().size() << " minutes, exit code "
                  << session.exitCode() << std::endl;
        return EXIT_FAILURE;
    }
    return report(session, options.limitPercent) ? EXIT_SUCCESS : EXIT_FAILURE;
}
