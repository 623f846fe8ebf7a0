#include "PlayerScript.h"

#include "SoakSession.h"

#include <X11/keysym.h>

#include <iostream>
#include <iterator>

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const std::string levelReadLine = "Read the level";
const std::string highScoresLine = "start highscores";
constexpr seconds menuTimeout(60);
constexpr seconds levelTimeout(120);
// A screen of the start menu slides in for about a second.
constexpr milliseconds afterScreenChange(1500);
// The sample game's keyboard settings: W A S D move, Z is the first fire
// button, which also answers the continue offer.
constexpr unsigned long fireKey = XK_z;
constexpr milliseconds moveTime(1500);
// The first level ends about 20 s into play when its enemies are shot down:
// a short round leaves before.
constexpr int shortRoundMoves = 8;
constexpr int longRoundMoves = 60;
// Pausing waits for play: level scores and the continue offer refuse it.
constexpr int leaveAttempts = 8;
constexpr milliseconds pauseMenuSettle(1000);
constexpr seconds pauseMenuLeave(4);
constexpr seconds backToMenuTimeout(10);
// The name panel slides in after the table.
constexpr milliseconds namePanelIn(2500);

bool expect(SoakSession& session, const std::string& line, seconds timeout)
{
    if (session.waitFor(line, timeout) || session.isOver())
        return true;
    std::cerr << "not logged in time: \"" << line << "\"" << std::endl;
    return false;
}

// "PRESS START", then the first entry, "Start".
bool startGame(SoakSession& session)
{
    session.idle(afterScreenChange);
    session.tap(XK_Return);
    session.idle(afterScreenChange);
    session.tap(XK_Return);
    return expect(session, levelStartLine, levelTimeout) && expect(session, levelReadLine, levelTimeout);
}

// Flies around the screen, firing or not. Left is also the continue offer's
// NO: the fire button is always pressed again moving right, which turns the
// offer back to YES and accepts it.
void fly(SoakSession& session, int moveCount, bool isFiring)
{
    const unsigned long moves[] = {XK_a, XK_d, XK_w, XK_s};
    for (int move = 0; move < moveCount && !session.isOver(); ++move) {
        const unsigned long key = moves[move % std::size(moves)];
        const bool fires = key == XK_d || (isFiring && key != XK_a);
        if (fires)
            session.press(fireKey);
        session.press(key);
        session.idle(moveTime);
        session.release(key);
        if (fires)
            session.release(fireKey);
    }
}

// A game over with a score for the table asks for a name: the one offered
// is taken, and the table left with the fire button.
bool leaveHighScores(SoakSession& session)
{
    session.idle(namePanelIn);
    session.tap(XK_Return);
    session.tap(XK_Return);
    session.idle(afterScreenChange);
    session.tap(fireKey);
    return session.waitFor(startMenuLine, backToMenuTimeout);
}

// Escape opens the pause menu; "BACK TO MENU" is its second entry. A ship
// left idle in the later levels is soon shot down and offered a continue,
// which is declined here. A game that ended while flying may have gone back
// by itself, or wait on the high-score screen.
bool backToStartMenu(SoakSession& session)
{
    for (int attempt = 0; attempt < leaveAttempts && !session.isOver(); ++attempt) {
        if (session.hasLogged(startMenuLine))
            return session.waitFor(startMenuLine, backToMenuTimeout);
        if (session.hasLogged(highScoresLine) && session.waitFor(highScoresLine, backToMenuTimeout)
            && leaveHighScores(session))
            return true;
        session.tap(XK_Escape);
        session.idle(pauseMenuSettle);
        session.tap(XK_Down);
        session.tap(XK_Return);
        if (session.waitFor(startMenuLine, pauseMenuLeave))
            return true;
        // A continue offer refuses the pause menu: NO ends the game.
        session.tap(XK_Left);
        session.tap(fireKey);
        if (session.waitFor(startMenuLine, backToMenuTimeout))
            return true;
    }
    return expect(session, startMenuLine, backToMenuTimeout);
}

} // namespace

bool reachStartMenu(SoakSession& session) { return expect(session, startMenuLine, menuTimeout); }

bool playRound(SoakSession& session, bool isLong)
{
    if (startGame(session))
        fly(session, isLong ? longRoundMoves : shortRoundMoves, !isLong);
    return backToStartMenu(session);
}
