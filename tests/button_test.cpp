// The button widget: the inclusive hit rectangle, press-and-release clicks,
// the disarm on a release outside, the button sound on every press, the
// truncated mouse position and the frame shown for each look.
#include "app/button.h"
#include "app/sound.h"
#include "counting_stream.h"
#include "offscreen_engine.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>

namespace {

class ButtonTest : public OffscreenEngineTest {
protected:
    // A 30 x 10 button at (10, 20): its hit rectangle is 10..40 by 20..30,
    // edges included.
    void LoadButton(Button& button, int frames = 3) {
        hgeAnimation looks(0, frames, 1.0f, 0, 0, 30, 10);
        button.Load(looks, frames, &sounds);
        button.Place(10, 20);
    }

    Sounds sounds;
};

// One mouse sequence, as a screen drives its button frame by frame: every
// step moves the mouse (hover test), "down" and "up" then press or release
// the left button there.
struct MouseCase {
    const char* name;
    const char* steps;  // "move X Y", "down X Y", "up X Y", separated by ';'
    int clicks;
    int state;  // the button's state after the last step
    bool pressed;
    int sounds;  // presses that played the button sound
};

const MouseCase kMouseCases[] = {
    {"release inside after a press inside", "down 20 25; up 20 25", 1, ButtonHover, false, 1},
    {"the right-bottom corner is inside", "down 40 30; up 40 30", 1, ButtonHover, false, 1},
    {"the left-top corner is inside", "down 10 20; up 10 20", 1, ButtonHover, false, 1},
    {"one pixel past the right edge misses", "down 41 25; up 41 25", 0, ButtonNormal, false, 0},
    {"one pixel below the bottom misses", "down 20 31; up 20 31", 0, ButtonNormal, false, 0},
    {"dragged out and released outside", "down 20 25; move 60 60; up 60 60", 0, ButtonNormal, false,
     1},
    {"dragged out and back in", "down 20 25; move 60 60; move 39 29; up 39 29", 1, ButtonHover,
     false, 1},
    {"pressed outside, released inside", "down 5 5; move 20 25; up 20 25", 0, ButtonHover, false,
     0},
    {"held: stays pressed outside", "down 20 25; move 60 60; move 0 0", 0, ButtonPressed, true, 1},
    {"hover without a press", "move 25 25", 0, ButtonHover, false, 0},
    {"hover then away", "move 25 25; move 50 25", 0, ButtonNormal, false, 0},
    {"a second click needs a second press", "down 20 25; up 20 25; up 20 25", 1, ButtonHover, false,
     1},
    {"two presses, two sounds", "down 20 25; up 20 25; down 20 25; up 20 25", 2, ButtonHover, false,
     2},
    {"a press outside disarms", "down 20 25; down 60 60; up 20 25", 0, ButtonHover, false, 1},
};

class ButtonMouseTest : public ButtonTest, public testing::WithParamInterface<MouseCase> {};

TEST_P(ButtonMouseTest, FollowsTheMouse) {
    const MouseCase& c = GetParam();
    CountingStream& sound = CountSound(sounds, ButtonSound);
    Button button;
    LoadButton(button);

    int clicks = 0;
    std::stringstream steps(c.steps);
    std::string step;
    while (std::getline(steps, step, ';')) {
        std::stringstream words(step);
        std::string action;
        int x = 0, y = 0;
        words >> action >> x >> y;
        button.UpdateHover(x, y);
        if (action == "down") {
            EXPECT_EQ(button.OnMouseDown(x, y), button.Contains(x, y)) << step;
        } else if (action == "up") {
            clicks += button.OnMouseUp(x, y) ? 1 : 0;
        } else {
            ASSERT_EQ(action, "move") << step;
        }
    }
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(button.state, c.state);
    EXPECT_EQ(button.pressed, c.pressed);
    EXPECT_EQ(sound.plays, c.sounds);
    EXPECT_EQ(sound.rewinds, c.sounds) << "every press plays the sound from its start";
}

INSTANTIATE_TEST_SUITE_P(Sequences, ButtonMouseTest, testing::ValuesIn(kMouseCases),
                         [](const testing::TestParamInfo<MouseCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p != 0; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST_F(ButtonTest, TheHitRectangleComesFromTheFrameSize) {
    Button button;
    hgeAnimation looks(0, 3, 1.0f, 0, 0, 30.7f, 10.5f);
    button.Load(looks, 3, nullptr);
    button.Place(100, 7);
    EXPECT_EQ(button.right, 130);
    EXPECT_EQ(button.bottom, 17);
}

TEST_F(ButtonTest, OverlappingButtonsAreBothPressedAndEachPressSounds) {
    CountingStream& sound = CountSound(sounds, ButtonSound);
    Button first, second;
    LoadButton(first);
    LoadButton(second);
    second.Place(30, 25);  // overlaps the first on 30..40 by 25..30
    EXPECT_TRUE(first.OnMouseDown(35, 28));
    EXPECT_TRUE(second.OnMouseDown(35, 28));
    EXPECT_EQ(sound.plays, 2);
    EXPECT_EQ(sound.rewinds, 2);
    EXPECT_TRUE(first.OnMouseUp(35, 28));
    EXPECT_TRUE(second.OnMouseUp(35, 28));
}

TEST_F(ButtonTest, ADisabledButtonIsAbsent) {
    CountingStream& sound = CountSound(sounds, ButtonSound);
    Button button;
    LoadButton(button);
    button.enabled = false;
    button.UpdateHover(20, 25);
    EXPECT_FALSE(button.OnMouseDown(20, 25));
    EXPECT_FALSE(button.OnMouseUp(20, 25));
    EXPECT_EQ(button.state, ButtonNormal);
    EXPECT_FALSE(button.pressed);
    EXPECT_EQ(sound.plays, 0);
}

TEST_F(ButtonTest, AnUnloadedButtonSitsAtTheOriginAndStillWorks) {
    Button button;  // all-zero layout: a one-pixel rectangle at (0, 0)
    button.Place(0, 0);
    EXPECT_TRUE(button.OnMouseDown(0, 0));
    EXPECT_TRUE(button.OnMouseUp(0, 0));
    EXPECT_FALSE(button.OnMouseDown(1, 1));
    BeginFrame();
    button.Render();  // draws nothing, and does not crash
}

TEST_F(ButtonTest, TheMouseIsTruncatedTowardZero) {
    struct Case {
        float x, y;
        int px, py;
    };
    for (const Case& c : {Case{40.9f, 30.99f, 40, 30}, Case{41.0f, 30.0f, 41, 30},
                          Case{-0.5f, -0.9f, 0, 0}, Case{12.5f, 0.0f, 12, 0}}) {
        InputEvent move;
        move.kind = InputEvent::Kind::MouseMove;
        move.x = c.x;
        move.y = c.y;
        hge->DeliverEvent(move);
        const MousePoint mouse = ReadMouse(*hge);
        EXPECT_EQ(mouse.x, c.px) << c.x;
        EXPECT_EQ(mouse.y, c.py) << c.y;
    }
}

TEST(ButtonFrameTest, EachNumberOfLooksShowsItsFrames) {
    struct Case {
        int looks;
        int normal, hover, pressed;
    };
    const Case cases[] = {
        {1, 0, 0, 0}, {2, 0, 1, 0}, {3, 0, 1, 2}, {4, 0, 1, 2}, {0, -1, -1, -1}, {5, -1, -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonFrame(c.looks, ButtonNormal), c.normal) << c.looks << " looks";
        EXPECT_EQ(ButtonFrame(c.looks, ButtonHover), c.hover) << c.looks << " looks";
        EXPECT_EQ(ButtonFrame(c.looks, ButtonPressed), c.pressed) << c.looks << " looks";
    }
}

TEST_F(ButtonTest, RenderShowsTheLookOfTheStateAndNeverAdvances) {
    Button button;
    LoadButton(button, 3);
    BeginFrame();
    button.state = ButtonPressed;
    button.Render();
    EXPECT_EQ(button.animation->GetFrame(), 2);
    button.state = ButtonHover;
    button.Render();
    EXPECT_EQ(button.animation->GetFrame(), 1);

    // An image with an unexpected number of looks keeps whatever frame it shows.
    button.num = 7;
    button.animation->SetFrame(2);
    button.state = ButtonNormal;
    button.Render();
    EXPECT_EQ(button.animation->GetFrame(), 2);
}

}  // namespace
