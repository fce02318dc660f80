// The layout-script loader every screen uses: numbers, strings, resource
// copies, and what a missing or broken script or resource gives.
#include "app/layout_script.h"
#include "engine/hge.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kResources =
    "texture sheet sheet.png\n"
    "sprite  title sheet 0 0 40 20\n"
    "animation blink sheet 0 20 16 8 4 10\n";

class LayoutScriptTest : public testing::Test {
protected:
    void SetUp() override {
        hge_ = hgeCreate(HGE_VERSION);
        hge_->System_SetStateString(HGE_GAMEDIR, folder_.Path().string());
        folder_.Write("res/screen.pak", kResources);
    }
    void TearDown() override {
        hge_->System_SetStateString(HGE_GAMEDIR, "");
        hge_->Release();
    }
    void WriteLayout(const std::string& source) { folder_.Write("script/screen.luac", source); }

    TempFolder folder_;
    HGE* hge_ = nullptr;
};

bool IsPlaceholder(const hgeSprite& sprite) {
    return sprite.GetTexture() == 0 && sprite.GetColor() == kPlaceholderColor &&
           sprite.GetWidth() == kPlaceholderSize && sprite.GetHeight() == kPlaceholderSize;
}

TEST_F(LayoutScriptTest, ReadsNumbersTruncatedTowardZeroAndStrings) {
    WriteLayout("posx = 100.7 posy = -3.9 big = 1e12 label = 'hive' count = '12'");
    LayoutScript layout("screen", "res/screen.pak", "script/screen.luac");
    EXPECT_TRUE(layout.Ran());
    EXPECT_DOUBLE_EQ(layout.Number("posx"), 100.7);
    EXPECT_EQ(layout.Int("posx"), 100);
    EXPECT_EQ(layout.Int("posy"), -3);
    EXPECT_EQ(layout.Int("big"), 2147483647);
    EXPECT_EQ(layout.Int("count"), 12);  // as lua_tonumber converts numeric strings
    EXPECT_EQ(layout.Int("absent"), 0);
    EXPECT_EQ(layout.String("label"), "hive");
    EXPECT_EQ(layout.String("absent"), std::nullopt);
}

TEST_F(LayoutScriptTest, ErrorHalfWayKeepsWhatWasSetBefore) {
    WriteLayout("posx = 5\nerror('stop here')\nposy = 6\n");
    testing::internal::CaptureStderr();
    LayoutScript layout("screen", "res/screen.pak", "script/screen.luac");
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(layout.Ran());
    EXPECT_EQ(layout.Int("posx"), 5);
    EXPECT_EQ(layout.Int("posy"), 0);
    EXPECT_NE(messages.find("script/screen.luac"), std::string::npos) << messages;
    EXPECT_NE(messages.find("stop here"), std::string::npos) << messages;
}

TEST_F(LayoutScriptTest, MissingScriptReadsAsEmpty) {
    testing::internal::CaptureStderr();
    LayoutScript layout("screen", "res/screen.pak", "script/screen.luac");
    EXPECT_FALSE(layout.Ran());
    EXPECT_EQ(layout.Int("posx"), 0);
    EXPECT_EQ(layout.String("title_name"), std::nullopt);
    auto sprite = layout.SpriteCopy("title_name");
    const std::string messages = testing::internal::GetCapturedStderr();
    ASSERT_NE(sprite, nullptr);
    EXPECT_TRUE(IsPlaceholder(*sprite));
    EXPECT_NE(messages.find("script/screen.luac"), std::string::npos) << messages;
}

TEST_F(LayoutScriptTest, UndefinedResourceGivesPlaceholderAndNamesIt) {
    WriteLayout("title_name = 'nosuch' blink_name = 'nosuch_anim'");
    LayoutScript layout("myscreen", "res/screen.pak", "script/screen.luac");
    testing::internal::CaptureStderr();
    auto sprite = layout.SpriteCopy("title_name");
    auto animation = layout.AnimationCopy("blink_name");
    auto unnamed = layout.AnimationCopy("no_such_key");
    const std::string messages = testing::internal::GetCapturedStderr();
    ASSERT_NE(sprite, nullptr);
    ASSERT_NE(animation, nullptr);
    ASSERT_NE(unnamed, nullptr);
    EXPECT_TRUE(IsPlaceholder(*sprite));
    EXPECT_TRUE(IsPlaceholder(*animation));
    EXPECT_TRUE(IsPlaceholder(*unnamed));
    for (const char* text : {"myscreen", "nosuch", "nosuch_anim", "no_such_key"}) {
        EXPECT_NE(messages.find(text), std::string::npos) << text << " in " << messages;
    }
    // A placeholder can be driven like any animation.
    animation->SetFrame(2);
    animation->Update(1.0f);
}

TEST_F(LayoutScriptTest, CopiesAreIndependentOfEachOtherAndOfTheManager) {
    WriteLayout("title_name = 'title' blink_name = 'blink'");
    std::unique_ptr<hgeResourceManager> manager;
    std::unique_ptr<hgeSprite> sprite;
    std::unique_ptr<hgeAnimation> first, second;
    {
        LayoutScript layout("screen", "res/screen.pak", "script/screen.luac");
        sprite = layout.SpriteCopy("title_name");
        first = layout.AnimationCopy("blink_name");
        second = layout.AnimationCopy("blink_name");
        manager = layout.TakeManager();
        EXPECT_EQ(layout.TakeManager(), nullptr);
    }
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(sprite->GetWidth(), 40);
    EXPECT_EQ(sprite->GetHeight(), 20);
    EXPECT_EQ(first->GetFrames(), 4);
    EXPECT_NE(first.get(), second.get());
    EXPECT_NE(first.get(), manager->GetAnimation("blink"));

    first->SetFrame(2);
    EXPECT_EQ(first->GetFrame(), 2);
    EXPECT_EQ(second->GetFrame(), 0);
    EXPECT_EQ(manager->GetAnimation("blink")->GetFrame(), 0);
}

TEST_F(LayoutScriptTest, ScreenWithoutImagesHasNoManager) {
    WriteLayout("rows = 12");
    LayoutScript layout("board", "", "script/screen.luac");
    EXPECT_EQ(layout.Int("rows"), 12);
    EXPECT_EQ(layout.TakeManager(), nullptr);
}

}  // namespace
