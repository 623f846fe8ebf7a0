// The virtual controls as the screens see them, fed by our SDL keyboard (with
// injected key events) and by a virtual SDL game controller.
#include "GameTestSupport.h"
#include "VirtualPad.h"

#include "combat/Player.h"
#include "core/ConfigReading.h"
#include "core/GameManager.h"
#include "core/GameState.h"
#include "platform/SdlEvents.h"
#include "platform/SdlInputSystem.h"
#include "play/Level.h"
#include "play/playState.h"
#include "support/LogCapture.h"

#include <OgreConfigFile.h>
#include <OgreDataStream.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The pad and keyboard sections as config.ini holds them; slot 2 is bound to
// pad button 3 (Y) and key 18 (E), slot 6 to the left trigger and key 50 (M).
const char* const bindings = "[pad]\n"
                             "deadzone = 20\n"
                             "leftStickNumber = 0\n"
                             "rightStickNumber = 2\n"
                             "shootButtonNumber0 = 0\n"
                             "shootButtonNumber1 = 1\n"
                             "shootButtonNumber2 = 3\n"
                             "shootButtonNumber3 = 2\n"
                             "shootButtonNumber4 = 9\n"
                             "shootButtonNumber5 = 10\n"
                             "shootButtonNumber6 = 100\n"
                             "shootButtonNumber7 = 101\n"
                             "start = 6\n"
                             "select = 4\n"
                             "[keyboard]\n"
                             " upKey = 17\n"
                             " downKey = 31\n"
                             " leftKey = 30\n"
                             " rightKey = 32\n"
                             " shootButton0 = 44\n"
                             " shootButton1 = 45\n"
                             " shootButton2 = 18\n"
                             " shootButton3 = 47\n"
                             " shootButton4 = 48\n"
                             " shootButton5 = 49\n"
                             " shootButton6 = 50\n"
                             " shootButton7 = 51\n"
                             " startButton = 57\n"
                             " selectButton = 57\n";

void applyBindings(Game& game)
{
    std::string text = bindings;
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&text[0], text.size(), false, true));
    Ogre::ConfigFile file;
    file.load(stream, "\t:=", true);
    applyConfig(game, file);
}

class GamePads : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pad.isPlugged()) << SDL_GetError();
        applyBindings(game);
        game.keyboard = input.createKeyboard();
        game.gameController = pad.open();
        ASSERT_NE(game.gameController, nullptr) << SDL_GetError();
    }
    void TearDown() override
    {
        game.gameController = nullptr;
        game.keyboard = nullptr;
        // Nothing held carries into the next test.
        game.lastHeld = {};
        game.shootHeld.fill(false);
        game.upHeld = game.downHeld = game.leftHeld = game.rightHeld = false;
        game.startHeld = game.selectHeld = false;
        game.leftTriggerHeld = game.rightTriggerHeld = false;
    }

    // One frame: the devices take what happened since the last one, then the poll.
    void frame()
    {
        game.keyboard->capture();
        SDL_GameControllerUpdate();
        game.pollGamepads();
    }
    void key(SDL_Scancode code, bool down)
    {
        input.injectEvent(down ? sdlEvents::keyDown(code) : sdlEvents::keyUp(code));
    }

    Game& game = gametest::cleanGame();
    VirtualPad pad;
    platform::SdlInputSystem input;
};

} // namespace

TEST_F(GamePads, AKeyBoundInTheSettingsAndAPadButtonTriggerTheSameControl)
{
    ASSERT_EQ(game.shootButton[2], 18);
    ASSERT_EQ(game.shootButtonNumber[2], 3);

    key(SDL_SCANCODE_E, true);
    frame();
    EXPECT_TRUE(game.shootHeld[2]);
    EXPECT_TRUE(game.shootPressed[2]);
    EXPECT_TRUE(game.anyShootPressed);
    EXPECT_TRUE(game.anyShootHeld);
    key(SDL_SCANCODE_E, false);
    frame();
    EXPECT_FALSE(game.shootHeld[2]);
    EXPECT_TRUE(game.shootReleased[2]);

    pad.setButton(SDL_CONTROLLER_BUTTON_Y, true);
    frame();
    EXPECT_TRUE(game.shootHeld[2]);
    EXPECT_TRUE(game.shootPressed[2]);
    for (int slot : {0, 1, 3, 4, 5, 6, 7})
        EXPECT_FALSE(game.shootHeld[slot]) << slot;

    // Both at once is still one press, and letting one go keeps it held.
    key(SDL_SCANCODE_E, true);
    frame();
    EXPECT_TRUE(game.shootHeld[2]);
    EXPECT_FALSE(game.shootPressed[2]);
    pad.setButton(SDL_CONTROLLER_BUTTON_Y, false);
    frame();
    EXPECT_TRUE(game.shootHeld[2]);
    EXPECT_FALSE(game.shootReleased[2]);
}

TEST_F(GamePads, ASlotBoundToATriggerFiresPastHalfTravelAndFromItsKey)
{
    // The mapping turns -32768..32767 into 0..32767: raw 0 is 16383, not past half.
    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
    frame();
    EXPECT_FALSE(game.shootHeld[6]);
    EXPECT_FALSE(game.leftTriggerHeld);

    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 8000);
    frame();
    EXPECT_TRUE(game.shootHeld[6]);
    EXPECT_TRUE(game.shootPressed[6]);
    EXPECT_TRUE(game.leftTriggerHeld);
    EXPECT_FALSE(game.shootHeld[7]);
    EXPECT_FALSE(game.rightTriggerHeld);

    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_JOYSTICK_AXIS_MIN);
    frame();
    EXPECT_FALSE(game.shootHeld[6]);
    EXPECT_TRUE(game.shootReleased[6]);
    EXPECT_TRUE(game.leftTriggerReleased);

    key(SDL_SCANCODE_M, true);
    frame();
    EXPECT_TRUE(game.shootHeld[6]);
    EXPECT_FALSE(game.leftTriggerHeld);

    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MAX);
    frame();
    EXPECT_TRUE(game.shootPressed[7]);
    EXPECT_TRUE(game.rightTriggerHeld);
}

TEST_F(GamePads, TheLeftStickPassesTheDeadZoneOnlyBeyondItsEdge)
{
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTX, 6400);
    frame();
    EXPECT_EQ(game.moveRight, 0.0f);
    EXPECT_FALSE(game.stickMoved);

    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTX, 6401);
    frame();
    EXPECT_GT(game.moveRight, 0.0f);
    EXPECT_LT(game.moveRight, 1e-4f);
    EXPECT_EQ(game.moveLeft, 0.0f);
    EXPECT_TRUE(game.stickMoved);

    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTX, SDL_JOYSTICK_AXIS_MIN);
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTY, 20000);
    frame();
    EXPECT_FLOAT_EQ(game.moveLeft, 1.0f);
    EXPECT_EQ(game.moveRight, 0.0f);
    // SDL's y grows downwards.
    EXPECT_GT(game.moveDown, 0.0f);
    EXPECT_EQ(game.moveUp, 0.0f);
    EXPECT_TRUE(game.leftHeld);
}

TEST_F(GamePads, TheCurvePowerShapesTheMoveStick)
{
    const float rescaled = (24000 / 32767.0f - 0.1953125f) / (1.0f - 0.1953125f);
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTY, -24000);
    game.padCurvePower = 0.5f;
    frame();
    EXPECT_NEAR(game.moveUp, rescaled, 1e-5f);
    game.padCurvePower = 1.0f;
    frame();
    EXPECT_NEAR(game.moveUp, rescaled * rescaled, 1e-5f);
}

TEST_F(GamePads, TheRightStickAimsUnscaledPastTheDeadZone)
{
    pad.setAxis(SDL_CONTROLLER_AXIS_RIGHTX, 6400);
    pad.setAxis(SDL_CONTROLLER_AXIS_RIGHTY, -16384);
    frame();
    EXPECT_EQ(game.aimRight, 0.0f);
    EXPECT_NEAR(game.aimUp, 16384 / 32767.0f, 1e-6f);
    EXPECT_EQ(game.aimDown, 0.0f);
    // Aiming moves nothing.
    EXPECT_EQ(game.moveUp, 0.0f);
    EXPECT_FALSE(game.stickMoved);
    EXPECT_FALSE(game.aimActive); // only during play
}

TEST_F(GamePads, AStickAt45DegreesHoldsBothDirections)
{
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTX, -23170);
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTY, -23170);
    frame();
    EXPECT_FLOAT_EQ(game.moveLeft, game.moveUp);
    EXPECT_TRUE(game.upHeld && game.leftHeld);
    EXPECT_TRUE(game.upPressed && game.leftPressed);
    EXPECT_FALSE(game.downHeld || game.rightHeld);

    // Mostly left: only left passes 0.7.
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTY, -8000);
    frame();
    EXPECT_TRUE(game.leftHeld);
    EXPECT_FALSE(game.upHeld);
    EXPECT_TRUE(game.upReleased);
    EXPECT_FALSE(game.leftPressed);
}

TEST_F(GamePads, DirectionKeysTogetherGiveTheDiagonal)
{
    key(SDL_SCANCODE_W, true);
    key(SDL_SCANCODE_LEFT, true);
    frame();
    EXPECT_FLOAT_EQ(game.moveUp, 0.7071f);
    EXPECT_FLOAT_EQ(game.moveLeft, 0.7071f);
    EXPECT_TRUE(game.upHeld && game.leftHeld);

    key(SDL_SCANCODE_W, false);
    frame();
    EXPECT_FLOAT_EQ(game.moveLeft, 1.0f);
    EXPECT_EQ(game.moveUp, 0.0f);
    EXPECT_TRUE(game.upReleased);
    EXPECT_TRUE(game.leftHeld);
}

TEST_F(GamePads, TheDPadMovesOnlyWhenTheGameUsesArrowsForDirections)
{
    pad.setButton(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    game.isUseArrowsForDirections = false;
    frame();
    EXPECT_FALSE(game.downHeld);
    EXPECT_EQ(game.moveDown, 0.0f);

    game.isUseArrowsForDirections = true;
    frame();
    EXPECT_TRUE(game.downHeld);
    EXPECT_TRUE(game.downPressed);
    EXPECT_FLOAT_EQ(game.moveDown, 1.0f);
}

TEST_F(GamePads, PressedAndReleasedLastOneFrame)
{
    key(SDL_SCANCODE_Z, true);
    frame();
    EXPECT_TRUE(game.shootPressed[0]);
    EXPECT_TRUE(game.confirmPressed); // shoot slot 0 confirms
    for (int held = 0; held < 3; ++held) {
        frame();
        EXPECT_TRUE(game.shootHeld[0]);
        EXPECT_FALSE(game.shootPressed[0]);
        EXPECT_FALSE(game.confirmPressed);
        EXPECT_FALSE(game.anyShootPressed);
        EXPECT_FALSE(game.shootReleased[0]);
    }
    key(SDL_SCANCODE_Z, false);
    frame();
    EXPECT_TRUE(game.shootReleased[0]);
    EXPECT_FALSE(game.anyShootHeld);
    frame();
    EXPECT_FALSE(game.shootReleased[0]);
}

TEST_F(GamePads, ConfirmBackStartAndSelectComeFromBothDevices)
{
    pad.setButton(SDL_CONTROLLER_BUTTON_A, true);
    pad.setButton(SDL_CONTROLLER_BUTTON_START, true);
    frame();
    EXPECT_TRUE(game.confirmPressed);
    EXPECT_TRUE(game.startPressed);
    EXPECT_TRUE(game.startHeld);
    EXPECT_FALSE(game.selectHeld);
    pad.setButton(SDL_CONTROLLER_BUTTON_A, false);
    pad.setButton(SDL_CONTROLLER_BUTTON_START, false);
    pad.setButton(SDL_CONTROLLER_BUTTON_B, true);
    pad.setButton(SDL_CONTROLLER_BUTTON_BACK, true);
    frame();
    EXPECT_FALSE(game.confirmPressed);
    EXPECT_TRUE(game.backPressed);
    EXPECT_TRUE(game.startReleased);
    EXPECT_TRUE(game.selectPressed);
    pad.setButton(SDL_CONTROLLER_BUTTON_B, false);
    pad.setButton(SDL_CONTROLLER_BUTTON_BACK, false);
    frame();

    key(SDL_SCANCODE_RETURN, true);
    key(SDL_SCANCODE_SPACE, true); // start and select share the space bar
    frame();
    EXPECT_TRUE(game.confirmPressed);
    EXPECT_TRUE(game.startPressed && game.selectPressed);
    key(SDL_SCANCODE_X, true); // shoot slot 1 goes back
    frame();
    EXPECT_TRUE(game.backPressed);
    EXPECT_FALSE(game.confirmPressed);
}

TEST_F(GamePads, DuringPlayTheMouseFiresInTheFirstPlayerStateAndAimingCountsInPlay)
{
    Level level;
    playState play;
    Player player;
    game.mouseLeft = true;
    game.mouseRight = true;
    player.status = 1;
    // Without the play state's lists there is no play.
    game.level = &level;
    game.player = &player;
    frame();
    EXPECT_FALSE(game.shootHeld[0]);

    level.state = &play;
    frame();
    EXPECT_TRUE(game.shootPressed[0] && game.shootPressed[1]);
    EXPECT_FALSE(game.confirmPressed); // the mouse fires; it does not confirm

    player.status = 2;
    pad.setAxis(SDL_CONTROLLER_AXIS_RIGHTX, 16384); // just past half travel
    frame();
    EXPECT_TRUE(game.shootReleased[0]);
    EXPECT_TRUE(game.aimActive);
    pad.setAxis(SDL_CONTROLLER_AXIS_RIGHTX, 16383);
    frame();
    EXPECT_FALSE(game.aimActive);
    // A ship whose mouse-fire flag is set fires with the mouse in play too.
    player.isMouseFire = true;
    frame();
    EXPECT_TRUE(game.shootPressed[0] && game.shootPressed[1]);

    game.level = nullptr;
    game.player = nullptr;
    game.mouseLeft = game.mouseRight = false;
}

namespace {

class IdleState : public GameState {};

} // namespace

TEST(GamePadRemoval, AControllerUnpluggedWhilePlayingIsClosedWithoutError)
{
    Game& game = gametest::cleanGame();
    LogCapture log;
    VirtualPad pad;
    ASSERT_TRUE(pad.isPlugged()) << SDL_GetError();
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    {
        // The state outlives the manager, which exits it when destroyed.
        IdleState state;
        GameManager manager;
        manager.game = &game;
        manager.changeState(&state);
        ASSERT_NE(game.gameController, nullptr);
        EXPECT_EQ(game.gameController, manager.gameController);

        pad.setButton(SDL_CONTROLLER_BUTTON_A, true);
        manager.pumpSdlEvents();
        game.pollGamepads();
        EXPECT_TRUE(game.shootHeld[0]);

        pad.unplug();
        manager.pumpSdlEvents();
        EXPECT_EQ(game.gameController, nullptr);
        EXPECT_EQ(manager.gameController, nullptr);
        game.pollGamepads();
        EXPECT_FALSE(game.shootHeld[0]);
        EXPECT_TRUE(game.shootReleased[0]);
    }
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
    game.lastHeld = {};
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

TEST(GamePadMappings, TheSampleGameMapsOneCommonPad)
{
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    EXPECT_EQ(SDL_GameControllerAddMappingsFromFile(ZARNITH_GAME_DIR "/gamecontrollerdb.txt"), 1) << SDL_GetError();
    char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString("030000005e0400008e02000010010000"));
    ASSERT_NE(mapping, nullptr);
    EXPECT_EQ(std::string(mapping).rfind("030000005e0400008e02000010010000,X360 Controller,a:b0,b:b1,", 0), 0u);
    SDL_free(mapping);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}
