// Loading the block templates: from the game's own scripts and pack, and
// from a script that names nothing the pack has.
#include "board/block_animations.h"
#include "app/pack_password.h"
#include "offscreen_engine.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BlockAnimationsTest : public OffscreenEngineTest {
protected:
    void TearDown() override {
        blocks = BlockAnimations{};
        OffscreenEngineTest::TearDown();
    }

    // Whether the template is a copy of the pack's animation of that name.
    void ExpectCopyOf(const hgeAnimation* copy, const std::string& name) {
        SCOPED_TRACE(name);
        ASSERT_NE(copy, nullptr);
        hgeAnimation* original = blocks.resources->GetAnimation(name);
        ASSERT_NE(original, nullptr);
        EXPECT_NE(copy, original);
        EXPECT_EQ(copy->GetTexture(), original->GetTexture());
        EXPECT_EQ(copy->GetFrames(), original->GetFrames());
        EXPECT_EQ(copy->GetMode(), original->GetMode());
        float x1, y1, w1, h1, x2, y2, w2, h2;
        copy->GetTextureRect(&x1, &y1, &w1, &h1);
        original->GetTextureRect(&x2, &y2, &w2, &h2);
        EXPECT_EQ(x1, x2);
        EXPECT_EQ(y1, y2);
    }

    BlockAnimations blocks;
};

TEST_F(BlockAnimationsTest, TheGamesTemplatesAreCopiesOfTheNamedAnimations) {
    hge->System_SetStateString(HGE_GAMEDIR, BUBBLEHIVE_GAME_DIR);
    ASSERT_TRUE(hge->Resource_AttachPack(hge->Resource_MakePath("image.dat"), kPackPassword));
    testing::internal::CaptureStderr();
    LoadBlockAnimations(blocks);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    for (int colour = 1; colour <= kBlockColours; ++colour) {
        const std::string n = std::to_string(colour);
        ExpectCopyOf(blocks.normal[colour - 1].get(), "block_normal" + n);
        ExpectCopyOf(blocks.hit[colour - 1].get(), "block_hit" + n);
        ExpectCopyOf(blocks.remove[colour - 1].get(), "block_remove" + n);
    }
    ExpectCopyOf(blocks.bomb.get(), "bomb_burst");
    EXPECT_EQ(blocks.fallSpeed, 60.0f);
    EXPECT_EQ(blocks.acceleration, 1100.0f);
}

TEST_F(BlockAnimationsTest, MissingNamesGivePlaceholdersAndMissingNumbersZero) {
    TempFolder folder;
    folder.Write("script/block_anima.luac", "block_normal1 = 'nothing' fallspeed = 80\n");
    hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
    testing::internal::CaptureStderr();
    LoadBlockAnimations(blocks);
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("nothing"), std::string::npos) << messages;
    EXPECT_NE(messages.find("jiasu"), std::string::npos) << messages;
    for (int colour = 1; colour <= kBlockColours; ++colour) {
        EXPECT_NE(blocks.normal[colour - 1], nullptr);
        EXPECT_NE(blocks.hit[colour - 1], nullptr);
        EXPECT_NE(blocks.remove[colour - 1], nullptr);
    }
    EXPECT_NE(blocks.bomb, nullptr);
    EXPECT_EQ(blocks.fallSpeed, 80.0f);
    EXPECT_EQ(blocks.acceleration, 0.0f);

    // A cell set from a placeholder still shows and plays.
    AnimationHolder holder;
    SetCellAnimation(blocks, holder, AnimState::Normal, 2);
    ASSERT_NE(holder.animation, nullptr);
    EXPECT_EQ(holder.state, AnimState::Normal);
}

}  // namespace
