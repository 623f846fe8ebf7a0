#include "platform/SdlMouse.h"

#include "SdlEvents.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace sdlEvents;

namespace {

std::string describe(const std::string& what, const OIS::MouseState& s)
{
    return what + " " + std::to_string(s.X.abs) + "," + std::to_string(s.Y.abs) + " rel "
        + std::to_string(s.X.rel) + "," + std::to_string(s.Y.rel) + " z "
        + std::to_string(s.Z.abs) + "/" + std::to_string(s.Z.rel) + " buttons "
        + std::to_string(s.buttons);
}

class RecordingMouseListener : public OIS::MouseListener {
public:
    // Each call answers false: later events must still arrive.
    bool mouseMoved(const OIS::MouseEvent& event) override
    {
        log.push_back(describe("moved", event.state));
        if (onMoved)
            onMoved();
        return false;
    }
    bool mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID id) override
    {
        log.push_back(describe("down " + std::to_string(id), event.state));
        return false;
    }
    bool mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID id) override
    {
        log.push_back(describe("up " + std::to_string(id), event.state));
        return false;
    }

    std::vector<std::string> log;
    std::function<void()> onMoved;
};

class SdlMouseTest : public ::testing::Test {
protected:
    SdlMouseTest()
    {
        mouse._initialize();
        mouse.setEventCallback(&listener);
        setArea(800, 600);
    }

    // As the GameManager does, through the mutable fields of the state.
    void setArea(int width, int height) const
    {
        mouse.getMouseState().width = width;
        mouse.getMouseState().height = height;
    }

    void deliver(std::initializer_list<SDL_Event> events)
    {
        for (const SDL_Event& event : events) {
            if (event.type == SDL_MOUSEMOTION)
                mouse.queueMotion(event.motion);
            else if (event.type == SDL_MOUSEWHEEL)
                mouse.queueWheel(event.wheel);
            else
                mouse.queueButton(event.button);
        }
    }

    platform::SdlMouse mouse;
    RecordingMouseListener listener;
};

TEST_F(SdlMouseTest, AbsolutePositionIsClampedToTheArea)
{
    deliver({motion(900, -5, 0, 0), motion(-3, 700, 0, 0), motion(800, 600, 0, 0),
             motion(799, 1, 0, 0)});
    mouse.capture();
    const std::vector<std::string> expected = {
        "moved 800,0 rel 0,0 z 0/0 buttons 0", "moved 0,600 rel 0,0 z 0/0 buttons 0",
        "moved 800,600 rel 0,0 z 0/0 buttons 0", "moved 799,1 rel 0,0 z 0/0 buttons 0"};
    EXPECT_EQ(listener.log, expected);
}

TEST_F(SdlMouseTest, AreaSetByTheListenerAppliesToTheNextEvent)
{
    setArea(50, 50);
    listener.onMoved = [this] { setArea(1280, 720); };
    deliver({motion(640, 360, 0, 0), motion(641, 361, 0, 0)});
    mouse.capture();
    const std::vector<std::string> expected = {"moved 50,50 rel 0,0 z 0/0 buttons 0",
                                               "moved 641,361 rel 0,0 z 0/0 buttons 0"};
    EXPECT_EQ(listener.log, expected);
}

TEST_F(SdlMouseTest, RelativeValuesCoverOneCapture)
{
    deliver({motion(10, 10, 5, 3), wheel(1), motion(12, 9, 2, -1), wheel(2)});
    mouse.capture();
    deliver({wheel(1, SDL_MOUSEWHEEL_FLIPPED)});
    mouse.capture();
    const std::vector<std::string> expected = {
        "moved 10,10 rel 5,3 z 0/0 buttons 0", "moved 10,10 rel 5,3 z 120/120 buttons 0",
        "moved 12,9 rel 7,2 z 120/120 buttons 0", "moved 12,9 rel 7,2 z 360/360 buttons 0",
        "moved 12,9 rel 0,0 z 240/-120 buttons 0"};
    EXPECT_EQ(listener.log, expected);

    mouse.capture();
    EXPECT_EQ(describe("state", mouse.getMouseState()), "state 12,9 rel 0,0 z 240/0 buttons 0");
    EXPECT_EQ(listener.log.size(), expected.size());
}

TEST_F(SdlMouseTest, ButtonsGetOisIds)
{
    deliver({button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT),
             button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT),
             button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1), button(SDL_MOUSEBUTTONDOWN, 8),
             button(SDL_MOUSEBUTTONDOWN, 9)});
    mouse.capture();
    const std::vector<std::string> expected = {
        "down 0 0,0 rel 0,0 z 0/0 buttons 1", "down 1 0,0 rel 0,0 z 0/0 buttons 3",
        "down 2 0,0 rel 0,0 z 0/0 buttons 7", "up 0 0,0 rel 0,0 z 0/0 buttons 6",
        "down 3 0,0 rel 0,0 z 0/0 buttons 14", "down 7 0,0 rel 0,0 z 0/0 buttons 142"};
    EXPECT_EQ(listener.log, expected);
    EXPECT_TRUE(mouse.getMouseState().buttonDown(OIS::MB_Right));
}

} // namespace
