#include "platform/KeyNames.h"

#include <array>
#include <utility>

namespace platform {

namespace {

using Names = std::array<std::string, 256>;

// clang-format off
const std::pair<OIS::KeyCode, const char*> namedKeys[] = {
    {OIS::KC_ESCAPE, "Escape"}, {OIS::KC_1, "1"}, {OIS::KC_2, "2"}, {OIS::KC_3, "3"},
    {OIS::KC_4, "4"}, {OIS::KC_5, "5"}, {OIS::KC_6, "6"}, {OIS::KC_7, "7"}, {OIS::KC_8, "8"},
    {OIS::KC_9, "9"}, {OIS::KC_0, "0"}, {OIS::KC_MINUS, "-"}, {OIS::KC_EQUALS, "="},
    {OIS::KC_BACK, "Backspace"}, {OIS::KC_TAB, "Tab"},
    {OIS::KC_Q, "Q"}, {OIS::KC_W, "W"}, {OIS::KC_E, "E"}, {OIS::KC_R, "R"}, {OIS::KC_T, "T"},
    {OIS::KC_Y, "Y"}, {OIS::KC_U, "U"}, {OIS::KC_I, "I"}, {OIS::KC_O, "O"}, {OIS::KC_P, "P"},
    {OIS::KC_LBRACKET, "["}, {OIS::KC_RBRACKET, "]"}, {OIS::KC_RETURN, "Enter"},
    {OIS::KC_LCONTROL, "Left Ctrl"},
    {OIS::KC_A, "A"}, {OIS::KC_S, "S"}, {OIS::KC_D, "D"}, {OIS::KC_F, "F"}, {OIS::KC_G, "G"},
    {OIS::KC_H, "H"}, {OIS::KC_J, "J"}, {OIS::KC_K, "K"}, {OIS::KC_L, "L"},
    {OIS::KC_SEMICOLON, ";"}, {OIS::KC_APOSTROPHE, "'"}, {OIS::KC_GRAVE, "`"},
    {OIS::KC_LSHIFT, "Left Shift"}, {OIS::KC_BACKSLASH, "\\"},
    {OIS::KC_Z, "Z"}, {OIS::KC_X, "X"}, {OIS::KC_C, "C"}, {OIS::KC_V, "V"}, {OIS::KC_B, "B"},
    {OIS::KC_N, "N"}, {OIS::KC_M, "M"}, {OIS::KC_COMMA, ","}, {OIS::KC_PERIOD, "."},
    {OIS::KC_SLASH, "/"}, {OIS::KC_RSHIFT, "Right Shift"}, {OIS::KC_MULTIPLY, "Num *"},
    {OIS::KC_LMENU, "Left Alt"}, {OIS::KC_SPACE, "Space"}, {OIS::KC_CAPITAL, "Caps Lock"},
    {OIS::KC_F1, "F1"}, {OIS::KC_F2, "F2"}, {OIS::KC_F3, "F3"}, {OIS::KC_F4, "F4"},
    {OIS::KC_F5, "F5"}, {OIS::KC_F6, "F6"}, {OIS::KC_F7, "F7"}, {OIS::KC_F8, "F8"},
    {OIS::KC_F9, "F9"}, {OIS::KC_F10, "F10"}, {OIS::KC_NUMLOCK, "Num Lock"},
    {OIS::KC_SCROLL, "Scroll Lock"}, {OIS::KC_NUMPAD7, "Num 7"}, {OIS::KC_NUMPAD8, "Num 8"},
    {OIS::KC_NUMPAD9, "Num 9"}, {OIS::KC_SUBTRACT, "Num -"}, {OIS::KC_NUMPAD4, "Num 4"},
    {OIS::KC_NUMPAD5, "Num 5"}, {OIS::KC_NUMPAD6, "Num 6"}, {OIS::KC_ADD, "Num +"},
    {OIS::KC_NUMPAD1, "Num 1"}, {OIS::KC_NUMPAD2, "Num 2"}, {OIS::KC_NUMPAD3, "Num 3"},
    {OIS::KC_NUMPAD0, "Num 0"}, {OIS::KC_DECIMAL, "Num ."}, {OIS::KC_OEM_102, "<"},
    {OIS::KC_F11, "F11"}, {OIS::KC_F12, "F12"}, {OIS::KC_F13, "F13"}, {OIS::KC_F14, "F14"},
    {OIS::KC_F15, "F15"}, {OIS::KC_KANA, "Kana"}, {OIS::KC_ABNT_C1, "Ro"},
    {OIS::KC_CONVERT, "Henkan"}, {OIS::KC_NOCONVERT, "Muhenkan"}, {OIS::KC_YEN, "Yen"},
    {OIS::KC_ABNT_C2, "Num ,"}, {OIS::KC_NUMPADEQUALS, "Num ="},
    {OIS::KC_PREVTRACK, "Previous Track"}, {OIS::KC_AT, "@"}, {OIS::KC_COLON, ":"},
    {OIS::KC_UNDERLINE, "_"}, {OIS::KC_KANJI, "Kanji"}, {OIS::KC_STOP, "Stop"},
    {OIS::KC_AX, "AX"}, {OIS::KC_UNLABELED, "Unlabeled"}, {OIS::KC_NEXTTRACK, "Next Track"},
    {OIS::KC_NUMPADENTER, "Num Enter"}, {OIS::KC_RCONTROL, "Right Ctrl"},
    {OIS::KC_MUTE, "Mute"}, {OIS::KC_CALCULATOR, "Calculator"},
    {OIS::KC_PLAYPAUSE, "Play/Pause"}, {OIS::KC_MEDIASTOP, "Media Stop"},
    {OIS::KC_VOLUMEDOWN, "Volume Down"}, {OIS::KC_VOLUMEUP, "Volume Up"},
    {OIS::KC_WEBHOME, "Web Home"}, {OIS::KC_NUMPADCOMMA, "Num ,"}, {OIS::KC_DIVIDE, "Num /"},
    {OIS::KC_SYSRQ, "Print Screen"}, {OIS::KC_RMENU, "Right Alt"}, {OIS::KC_PAUSE, "Pause"},
    {OIS::KC_HOME, "Home"}, {OIS::KC_UP, "Up"}, {OIS::KC_PGUP, "Page Up"},
    {OIS::KC_LEFT, "Left"}, {OIS::KC_RIGHT, "Right"}, {OIS::KC_END, "End"},
    {OIS::KC_DOWN, "Down"}, {OIS::KC_PGDOWN, "Page Down"}, {OIS::KC_INSERT, "Insert"},
    {OIS::KC_DELETE, "Delete"}, {OIS::KC_LWIN, "Left Windows"},
    {OIS::KC_RWIN, "Right Windows"}, {OIS::KC_APPS, "Menu"}, {OIS::KC_POWER, "Power"},
    {OIS::KC_SLEEP, "Sleep"}, {OIS::KC_WAKE, "Wake"}, {OIS::KC_WEBSEARCH, "Web Search"},
    {OIS::KC_WEBFAVORITES, "Web Favorites"}, {OIS::KC_WEBREFRESH, "Web Refresh"},
    {OIS::KC_WEBSTOP, "Web Stop"}, {OIS::KC_WEBFORWARD, "Web Forward"},
    {OIS::KC_WEBBACK, "Web Back"}, {OIS::KC_MYCOMPUTER, "My Computer"},
    {OIS::KC_MAIL, "Mail"}, {OIS::KC_MEDIASELECT, "Media Select"},
};
// clang-format on

Names buildNames()
{
    Names names;
    for (size_t code = 0; code < names.size(); ++code)
        names[code] = "Key_" + std::to_string(code);
    for (const auto& [key, name] : namedKeys)
        names[key] = name;
    return names;
}

} // namespace

const std::string& keyName(OIS::KeyCode key)
{
    static const Names names = buildNames();
    const unsigned code = static_cast<unsigned>(key);
    return names[code < names.size() ? code : 0u];
}

} // namespace platform
