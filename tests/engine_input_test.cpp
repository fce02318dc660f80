// Keys and mouse through DeliverEvent: held state, this frame's edges,
// auto-repeat, focus callbacks and the input hook.
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

InputEvent Key(InputEvent::Kind kind, int key, bool repeat = false) {
    InputEvent event;
    event.kind = kind;
    event.key = key;
    event.repeat = repeat;
    return event;
}

InputEvent Simple(InputEvent::Kind kind) {
    InputEvent event;
    event.kind = kind;
    return event;
}

struct KeySample {
    bool held, down, up;
    bool operator==(const KeySample&) const = default;
};

// Runs frames on the offscreen backend; before each one the events listed
// for it are delivered, and the frame function samples the keys.
class EngineInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        hge = hgeCreate(HGE_VERSION);
        auto offscreen = std::make_unique<OffscreenBackend>();
        backend = offscreen.get();
        hge->System_SetStateInt(HGE_SCREENWIDTH, 8);
        hge->System_SetStateInt(HGE_SCREENHEIGHT, 8);
        hge->System_SetBackend(std::move(offscreen));
        backend->SetBeforeFrame([this](HGE& engine, int frame) {
            for (const InputEvent& event : script[frame]) {
                engine.DeliverEvent(event);
            }
        });
        backend->SetAfterFrame([this](int frame) { return frame < frames; });
        hge->System_SetStateFunc(HGE_FRAMEFUNC, [this] {
            samples.push_back({hge->Input_GetKeyState(sampledKey), hge->Input_KeyDown(sampledKey),
                               hge->Input_KeyUp(sampledKey)});
            return false;
        });
        ASSERT_TRUE(hge->System_Initiate()) << hge->System_GetErrorMessage();
    }
    void TearDown() override {
        hge->System_Shutdown();
        hge->Release();
    }

    HGE* hge = nullptr;
    OffscreenBackend* backend = nullptr;
    std::map<int, std::vector<InputEvent>> script;
    int frames = 1;
    int sampledKey = HGEK_SPACE;
    std::vector<KeySample> samples;
};

TEST_F(EngineInputTest, EdgesLastOneFrameAndHeldStateLastsUntilRelease) {
    using K = InputEvent::Kind;
    script[2] = {Key(K::KeyDown, HGEK_SPACE)};
    script[3] = {Key(K::KeyDown, HGEK_SPACE, true)};  // auto-repeat: no new edge
    script[5] = {Key(K::KeyUp, HGEK_SPACE)};
    script[6] = {Key(K::KeyDown, HGEK_SPACE), Key(K::KeyUp, HGEK_SPACE)};
    frames = 7;
    ASSERT_TRUE(hge->System_Start());
    const std::vector<KeySample> expected = {
        {false, false, false},  // 1
        {true, true, false},    // 2 pressed
        {true, false, false},   // 3 repeat
        {true, false, false},   // 4 held
        {false, false, true},   // 5 released
        {false, true, true},    // 6 pressed and released within the frame
        {false, false, false},  // 7
    };
    EXPECT_EQ(samples, expected);
}

TEST_F(EngineInputTest, LeftMouseButtonIsKeyOneAndTheMousePositionIsKept) {
    using K = InputEvent::Kind;
    InputEvent move = Simple(K::MouseMove);
    move.x = 12.5f;
    move.y = 7.25f;
    script[1] = {move, Key(K::KeyDown, HGEK_LBUTTON)};
    sampledKey = HGEK_LBUTTON;
    ASSERT_TRUE(hge->System_Start());
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0], (KeySample{true, true, false}));
    float x = 0, y = 0;
    hge->Input_GetMousePos(&x, &y);
    EXPECT_EQ(x, 12.5f);
    EXPECT_EQ(y, 7.25f);
}

TEST_F(EngineInputTest, KeysOutsideTheTableAreIgnored) {
    hge->DeliverEvent(Key(InputEvent::Kind::KeyDown, 300));
    hge->DeliverEvent(Key(InputEvent::Kind::KeyDown, -1));
    EXPECT_FALSE(hge->Input_GetKeyState(300));
    EXPECT_FALSE(hge->Input_KeyDown(-1));
}

TEST_F(EngineInputTest, FocusCallbacksRunAtOnceAndTheHookSeesEveryEvent) {
    std::vector<std::string> calls;
    hge->System_SetStateFunc(HGE_FOCUSLOSTFUNC, [&] {
        calls.push_back("lost");
        return false;
    });
    hge->System_SetStateFunc(HGE_FOCUSGAINFUNC, [&] {
        calls.push_back("gained");
        return false;
    });
    hge->System_SetInputHook([&](const InputEvent& event) {
        // The engine's own state is already updated when the hook runs.
        if (event.kind == InputEvent::Kind::KeyDown) {
            calls.push_back(std::string("key") + (event.repeat ? " repeat" : "") +
                            (hge->Input_GetKeyState(event.key) ? " held" : ""));
        } else if (event.kind == InputEvent::Kind::Text) {
            calls.push_back("text " + event.text);
        } else {
            calls.push_back("hook");
        }
    });
    InputEvent text = Simple(InputEvent::Kind::Text);
    text.text = "\xE4\xBD\xA0";
    hge->DeliverEvent(Simple(InputEvent::Kind::FocusLost));
    hge->DeliverEvent(Simple(InputEvent::Kind::FocusGained));
    hge->DeliverEvent(Key(InputEvent::Kind::KeyDown, HGEK_A));
    hge->DeliverEvent(Key(InputEvent::Kind::KeyDown, HGEK_A, true));
    hge->DeliverEvent(text);
    const std::vector<std::string> expected = {
        "lost", "hook", "gained", "hook", "key held", "key repeat held", "text \xE4\xBD\xA0"};
    EXPECT_EQ(calls, expected);
}

}  // namespace
