// Game::pollGamepads: merges the game controller, the keyboard and, during
// play, the mouse into the virtual controls of the Game, once per frame.
#include "core/Game.h"

#include "combat/Player.h"
#include "core/VirtualControls.h"
#include "play/Level.h"

#include <OISKeyboard.h>

#include <algorithm>
#include <cmath>

namespace {

// Shoot-slot numbers that stand for the triggers instead of a button.
constexpr int leftTriggerNumber = 100;
constexpr int rightTriggerNumber = 101;
constexpr float triggerPressedAbove = 0.5f;
// OIS codes: the arrow keys always move besides the configured keys; Enter confirms.
constexpr int arrowUpKey = 200;
constexpr int arrowDownKey = 208;
constexpr int arrowLeftKey = 203;
constexpr int arrowRightKey = 205;
constexpr int enterKey = 28;
// Player states: the mouse fires in the first; the ship aims in play.
constexpr float aimActiveAbove = 0.5f;

// What this frame holds besides the Game's own members.
struct FrameInput {
    DigitalDirections digital;
    bool confirm = false;
    bool back = false;
};

bool isButtonDown(SDL_GameController* pad, int button)
{
    // The trigger numbers and other numbers beyond SDL's buttons name no button.
    return button >= 0 && button < SDL_CONTROLLER_BUTTON_MAX
           && SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(button)) != 0;
}

int axis(SDL_GameController* pad, SDL_GameControllerAxis which) { return SDL_GameControllerGetAxis(pad, which); }

bool isKeyDown(const OIS::Keyboard& keyboard, int code)
{
    return code >= 0 && code < 256 && keyboard.isKeyDown(static_cast<OIS::KeyCode>(code));
}

// A magnitude to the member of the raw value's side; a raw 0 fills neither.
void assignBySide(int raw, float magnitude, float& negative, float& positive)
{
    if (raw < 0)
        negative = magnitude;
    else if (raw > 0)
        positive = magnitude;
}

void startFrame(Game& game)
{
    Game::HeldControls& last = game.lastHeld;
    last.shoot = game.shootHeld;
    last.start = game.startHeld;
    last.select = game.selectHeld;
    last.up = game.upHeld;
    last.down = game.downHeld;
    last.left = game.leftHeld;
    last.right = game.rightHeld;
    last.leftTrigger = game.leftTriggerHeld;
    last.rightTrigger = game.rightTriggerHeld;

    game.moveUp = game.moveDown = game.moveLeft = game.moveRight = 0.0f;
    game.aimUp = game.aimDown = game.aimLeft = game.aimRight = 0.0f;
    game.shootHeld.fill(false);
    game.shootPressed.fill(false);
    game.startHeld = game.selectHeld = false;
    game.stickMoved = game.anyShootHeld = false;
    game.confirmPressed = game.backPressed = false;
    game.leftTriggerHeld = game.rightTriggerHeld = false;
    game.aimActive = false;
}

// Left stick: rescaled past the dead zone and curved; it moves.
void readMoveStick(Game& game, SDL_GameController* pad)
{
    const auto readAxis = [&game](int raw, float& negative, float& positive) {
        if (!isBeyondStickDeadZone(raw, game.deadzone))
            return;
        assignBySide(raw, leftStickMagnitude(raw, game.deadzone, game.padCurvePower), negative, positive);
        game.stickMoved = true;
    };
    readAxis(axis(pad, SDL_CONTROLLER_AXIS_LEFTX), game.moveLeft, game.moveRight);
    // SDL's y axis grows downwards.
    readAxis(axis(pad, SDL_CONTROLLER_AXIS_LEFTY), game.moveUp, game.moveDown);
}

// Right stick: past the dead zone, unchanged; it aims.
void readAimStick(Game& game, SDL_GameController* pad)
{
    const auto readAxis = [&game](int raw, float& negative, float& positive) {
        if (isBeyondStickDeadZone(raw, game.deadzone))
            assignBySide(raw, std::fabs(stickValue(raw)), negative, positive);
    };
    readAxis(axis(pad, SDL_CONTROLLER_AXIS_RIGHTX), game.aimLeft, game.aimRight);
    readAxis(axis(pad, SDL_CONTROLLER_AXIS_RIGHTY), game.aimUp, game.aimDown);
}

void readPadButtons(Game& game, SDL_GameController* pad, FrameInput& input)
{
    game.leftTriggerHeld = stickValue(axis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT)) > triggerPressedAbove;
    game.rightTriggerHeld = stickValue(axis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT)) > triggerPressedAbove;
    for (std::size_t slot = 0; slot < game.shootButtonNumber.size(); ++slot) {
        const int number = game.shootButtonNumber[slot];
        game.shootHeld[slot] = (number == leftTriggerNumber && game.leftTriggerHeld)
                               || (number == rightTriggerNumber && game.rightTriggerHeld) || isButtonDown(pad, number);
    }
    game.startHeld = isButtonDown(pad, game.start);
    game.selectHeld = isButtonDown(pad, game.select);
    input.confirm = isButtonDown(pad, SDL_CONTROLLER_BUTTON_A);
    input.back = isButtonDown(pad, SDL_CONTROLLER_BUTTON_B);
}

void readPad(Game& game, SDL_GameController* pad, FrameInput& input)
{
    if (game.isUseArrowsForDirections) {
        input.digital.up = isButtonDown(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
        input.digital.down = isButtonDown(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        input.digital.left = isButtonDown(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        input.digital.right = isButtonDown(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    }
    readMoveStick(game, pad);
    readAimStick(game, pad);
    readPadButtons(game, pad, input);
}

void readKeyboard(Game& game, const OIS::Keyboard& keyboard, FrameInput& input)
{
    const auto down = [&keyboard](int code) { return isKeyDown(keyboard, code); };
    input.digital.up = input.digital.up || down(arrowUpKey) || down(game.upKey);
    input.digital.down = input.digital.down || down(arrowDownKey) || down(game.downKey);
    input.digital.left = input.digital.left || down(arrowLeftKey) || down(game.leftKey);
    input.digital.right = input.digital.right || down(arrowRightKey) || down(game.rightKey);
    for (std::size_t slot = 0; slot < game.shootButton.size(); ++slot)
        game.shootHeld[slot] = game.shootHeld[slot] || down(game.shootButton[slot]);
    game.startHeld = game.startHeld || down(game.startButton);
    game.selectHeld = game.selectHeld || down(game.selectButton);
    input.confirm = input.confirm || down(enterKey);
}

void applyDigitalDirections(Game& game, const DigitalDirections& digital)
{
    const float value = digitalDirectionValue(digital);
    if (digital.up)
        game.moveUp = value;
    if (digital.down)
        game.moveDown = value;
    if (digital.left)
        game.moveLeft = value;
    if (digital.right)
        game.moveRight = value;
}

// During play (a level with the play state's lists, and a player).
void readPlay(Game& game)
{
    if (!game.level || !game.level->state || !game.player)
        return;
    if (game.player->status == Player::statusIntro || game.player->isMouseFire) {
        game.shootHeld[0] = game.shootHeld[0] || game.mouseLeft;
        game.shootHeld[1] = game.shootHeld[1] || game.mouseRight;
    }
    const float strongestAim = std::max({game.aimUp, game.aimDown, game.aimLeft, game.aimRight});
    game.aimActive = game.player->status == Player::statusPlaying && strongestAim > aimActiveAbove;
}

void applyMenuDirections(Game& game)
{
    const DigitalDirections held = menuDirections(game.moveRight - game.moveLeft, game.moveUp - game.moveDown);
    game.upHeld = held.up;
    game.downHeld = held.down;
    game.leftHeld = held.left;
    game.rightHeld = held.right;
}

bool isPressed(bool now, bool before) { return now && !before; }
bool isReleased(bool now, bool before) { return !now && before; }

void findEdges(Game& game, const FrameInput& input)
{
    Game::HeldControls& last = game.lastHeld;
    for (std::size_t slot = 0; slot < game.shootHeld.size(); ++slot) {
        game.shootPressed[slot] = isPressed(game.shootHeld[slot], last.shoot[slot]);
        game.shootReleased[slot] = isReleased(game.shootHeld[slot], last.shoot[slot]);
    }
    game.startPressed = isPressed(game.startHeld, last.start);
    game.selectPressed = isPressed(game.selectHeld, last.select);
    game.upPressed = isPressed(game.upHeld, last.up);
    game.downPressed = isPressed(game.downHeld, last.down);
    game.leftPressed = isPressed(game.leftHeld, last.left);
    game.rightPressed = isPressed(game.rightHeld, last.right);
    game.confirmPressed = isPressed(input.confirm, last.confirm);
    game.backPressed = isPressed(input.back, last.back);

    game.startReleased = isReleased(game.startHeld, last.start);
    game.selectReleased = isReleased(game.selectHeld, last.select);
    game.upReleased = isReleased(game.upHeld, last.up);
    game.downReleased = isReleased(game.downHeld, last.down);
    game.leftReleased = isReleased(game.leftHeld, last.left);
    game.rightReleased = isReleased(game.rightHeld, last.right);
    game.leftTriggerReleased = isReleased(game.leftTriggerHeld, last.leftTrigger);
    game.rightTriggerReleased = isReleased(game.rightTriggerHeld, last.rightTrigger);

    const auto isSet = [](bool value) { return value; };
    game.anyShootPressed = std::any_of(game.shootPressed.begin(), game.shootPressed.end(), isSet);
    game.anyShootHeld = std::any_of(game.shootHeld.begin(), game.shootHeld.end(), isSet);
    // Confirm and back have no held members; their held values are kept here.
    last.confirm = input.confirm;
    last.back = input.back;
}

} // namespace

void Game::pollGamepads()
{
    startFrame(*this);
    FrameInput input;
    if (gameController)
        readPad(*this, gameController, input);
    if (keyboard)
        readKeyboard(*this, *keyboard, input);
    input.confirm = input.confirm || shootHeld[0];
    input.back = input.back || shootHeld[1];
    applyDigitalDirections(*this, input.digital);
    readPlay(*this);
    applyMenuDirections(*this);
    findEdges(*this, input);
}
