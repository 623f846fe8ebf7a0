#include "platform/KeyMapping.h"
#include "platform/KeyNames.h"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

using platform::keyCodeFromScancode;

namespace {

TEST(KeyMappingTest, GivesScanCodeSetOneValues)
{
    const std::map<SDL_Scancode, int> expected = {
        {SDL_SCANCODE_W, 17}, {SDL_SCANCODE_A, 30}, {SDL_SCANCODE_S, 31}, {SDL_SCANCODE_D, 32},
        {SDL_SCANCODE_SPACE, 57}, {SDL_SCANCODE_RETURN, 28}, {SDL_SCANCODE_UP, 200},
        {SDL_SCANCODE_DOWN, 208}, {SDL_SCANCODE_LEFT, 203}, {SDL_SCANCODE_RIGHT, 205},
        {SDL_SCANCODE_COMMA, 51}, {SDL_SCANCODE_LCTRL, 29}, {SDL_SCANCODE_LSHIFT, 42},
        {SDL_SCANCODE_RSHIFT, 54}, {SDL_SCANCODE_LALT, 56}, {SDL_SCANCODE_RCTRL, 157},
        {SDL_SCANCODE_RALT, 184}, {SDL_SCANCODE_ESCAPE, 1}, {SDL_SCANCODE_TAB, 15},
        {SDL_SCANCODE_P, 25}, {SDL_SCANCODE_F1, 59}, {SDL_SCANCODE_F4, 62},
        {SDL_SCANCODE_F11, 87}, {SDL_SCANCODE_KP_ENTER, 156}, {SDL_SCANCODE_KP_7, 71},
        {SDL_SCANCODE_PAUSE, 197}, {SDL_SCANCODE_DELETE, 211}, {SDL_SCANCODE_PAGEDOWN, 209},
    };
    for (const auto& [scancode, code] : expected)
        EXPECT_EQ(keyCodeFromScancode(scancode), code) << SDL_GetScancodeName(scancode);
}

TEST(KeyMappingTest, BottomLetterRowAndDigitsRunInSequence)
{
    const SDL_Scancode bottomRow[] = {SDL_SCANCODE_Z, SDL_SCANCODE_X, SDL_SCANCODE_C,
                                      SDL_SCANCODE_V, SDL_SCANCODE_B, SDL_SCANCODE_N,
                                      SDL_SCANCODE_M};
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(keyCodeFromScancode(bottomRow[index]), 44 + index);
    // SDL orders the digits 1..9, 0 as the keyboard does.
    for (int index = 0; index < 10; ++index)
        EXPECT_EQ(keyCodeFromScancode(static_cast<SDL_Scancode>(SDL_SCANCODE_1 + index)),
                  2 + index);
}

TEST(KeyMappingTest, UnknownPositionsHaveNoCode)
{
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_UNKNOWN), OIS::KC_UNASSIGNED);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_F24), OIS::KC_UNASSIGNED);
    EXPECT_EQ(keyCodeFromScancode(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES)),
              OIS::KC_UNASSIGNED);
    // The largest value the enumeration holds: its enumerators fit in 10 bits.
    EXPECT_EQ(keyCodeFromScancode(static_cast<SDL_Scancode>(2 * SDL_NUM_SCANCODES - 1)), OIS::KC_UNASSIGNED);
}

// Two positions sharing a code would make two keys indistinguishable in a
// binding; only keys that are the same key under two names may share one.
TEST(KeyMappingTest, DistinctKeysGetDistinctCodesAndAllHaveNames)
{
    const std::set<SDL_Scancode> aliases = {SDL_SCANCODE_NONUSHASH, SDL_SCANCODE_SYSREQ,
                                            SDL_SCANCODE_AUDIOMUTE};
    std::map<OIS::KeyCode, SDL_Scancode> seen;
    int mapped = 0;
    for (int value = 0; value < SDL_NUM_SCANCODES; ++value) {
        const auto scancode = static_cast<SDL_Scancode>(value);
        const OIS::KeyCode code = keyCodeFromScancode(scancode);
        if (code == OIS::KC_UNASSIGNED)
            continue;
        ++mapped;
        EXPECT_NE(platform::keyName(code).rfind("Key_", 0), 0u) << "no name for " << code;
        if (aliases.count(scancode))
            continue;
        const auto [it, inserted] = seen.emplace(code, scancode);
        EXPECT_TRUE(inserted) << SDL_GetScancodeName(scancode) << " and "
                              << SDL_GetScancodeName(it->second) << " share " << code;
    }
    EXPECT_GT(mapped, 110);
}

TEST(KeyNamesTest, NamesKeysAsTheControlScreensShowThem)
{
    EXPECT_EQ(platform::keyName(OIS::KC_W), "W");
    EXPECT_EQ(platform::keyName(OIS::KC_7), "7");
    EXPECT_EQ(platform::keyName(OIS::KC_SPACE), "Space");
    EXPECT_EQ(platform::keyName(OIS::KC_RETURN), "Enter");
    EXPECT_EQ(platform::keyName(OIS::KC_UP), "Up");
    EXPECT_EQ(platform::keyName(OIS::KC_LCONTROL), "Left Ctrl");
    EXPECT_EQ(platform::keyName(OIS::KC_RMENU), "Right Alt");
    EXPECT_EQ(platform::keyName(OIS::KC_NUMPAD5), "Num 5");
    EXPECT_EQ(platform::keyName(OIS::KC_UNASSIGNED), "Key_0");
    // The largest value the enumeration holds: its enumerators fit in 8 bits.
    EXPECT_EQ(platform::keyName(static_cast<OIS::KeyCode>(0xFF)), "Key_255");
}

} // namespace
