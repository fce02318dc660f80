// The engine object itself: one counted object, its states, and a clear
// error when the backend cannot open.
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"
#include "engine/sprite.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EngineSystemTest, OneObjectForEveryReferenceAndAFreshOneAfterTheLast) {
    HGE* first = hgeCreate(HGE_VERSION);
    HGE* second = hgeCreate(HGE_VERSION);
    EXPECT_EQ(first, second);
    first->System_SetStateInt(HGE_FPS, 45);
    first->Release();
    EXPECT_EQ(second->System_GetStateInt(HGE_FPS), 45) << "still alive with one reference";
    second->Release();

    HGE* fresh = hgeCreate(HGE_VERSION);
    EXPECT_EQ(fresh->System_GetStateInt(HGE_FPS), 0);
    EXPECT_EQ(fresh->System_GetStateInt(HGE_SCREENWIDTH), 800);
    EXPECT_EQ(fresh->System_GetBackend(), nullptr);
    fresh->Release();
}

TEST(EngineSystemTest, EverySpriteCopyHoldsItsOwnReference) {
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetStateInt(HGE_FPS, 45);
    auto sprite = std::make_unique<hgeSprite>(0, 0, 0, 4, 4);
    auto copy = std::make_unique<hgeSprite>(*sprite);
    hge->Release();
    sprite.reset();

    HGE* again = hgeCreate(HGE_VERSION);
    EXPECT_EQ(again->System_GetStateInt(HGE_FPS), 45) << "the copy keeps the engine alive";
    again->Release();
    copy.reset();

    HGE* fresh = hgeCreate(HGE_VERSION);
    EXPECT_EQ(fresh->System_GetStateInt(HGE_FPS), 0) << "the last reference destroyed it";
    fresh->Release();
}

TEST(EngineSystemTest, StatesReadBackAsSet) {
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetStateBool(HGE_HIDEMOUSE, true);
    hge->System_SetStateInt(HGE_SCREENHEIGHT, 480);
    hge->System_SetStateString(HGE_TITLE, "bubblehive test");
    hge->System_SetStateString(HGE_GAMEDIR, "/opt/game/");
    EXPECT_TRUE(hge->System_GetStateBool(HGE_HIDEMOUSE));
    EXPECT_EQ(hge->System_GetStateInt(HGE_SCREENHEIGHT), 480);
    EXPECT_EQ(hge->System_GetStateString(HGE_TITLE), "bubblehive test");
    EXPECT_EQ(hge->System_GetStateString(HGE_GAMEDIR), "/opt/game");
    hge->Release();
}

TEST(EngineSystemTest, InitiateFailureKeepsTheBackendsReason) {
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetStateInt(HGE_SCREENWIDTH, 0);
    hge->System_SetBackend(std::make_unique<OffscreenBackend>());
    EXPECT_FALSE(hge->System_Initiate());
    EXPECT_NE(hge->System_GetErrorMessage().find("screen size"), std::string::npos)
        << hge->System_GetErrorMessage();
    EXPECT_FALSE(hge->Gfx_BeginScene()) << "nothing to draw on";

    testing::internal::CaptureStderr();
    hge->System_ShowErrorBox("Error", hge->System_GetErrorMessage());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "Error: " + hge->System_GetErrorMessage() + "\n");
    hge->Release();
}

TEST(EngineSystemTest, OffscreenClipboardAndUrl) {
    HGE* hge = hgeCreate(HGE_VERSION);
    auto offscreen = std::make_unique<OffscreenBackend>();
    OffscreenBackend* backend = offscreen.get();
    hge->System_SetBackend(std::move(offscreen));
    hge->System_SetClipboardText("\xE5\x90\x8D name");
    EXPECT_EQ(hge->System_GetClipboardText(), "\xE5\x90\x8D name");
    EXPECT_TRUE(hge->System_OpenURL("https://example.org/"));
    EXPECT_EQ(backend->LastURL(), "https://example.org/");
    hge->Release();
}

}  // namespace
