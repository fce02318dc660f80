// Props: the seven pictures read from the game's own scripts, the placement of
// new props with its interval bookkeeping, and the armed-shot pictures: the
// icon over the current block and the bomb that flies.
#include "game/props.h"
#include "app/pack_password.h"
#include "engine/hge.h"
#include "game/flying_block.h"
#include "game/shooter.h"
#include "play_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class PropsTest : public PlayFixture {
protected:
    static constexpr DWORD kBombIcon = 0xFF102030;
    static constexpr DWORD kArmedBombIcon = 0xFF405060;
    static constexpr DWORD kInfectionIcon = 0xFF708090;

    // Small solid pictures for the props that the shooter and the flight draw.
    void MakePictures() {
        auto solid = [this](DWORD colour) {
            return std::make_unique<hgeAnimation>(SolidTexture(4, 4, colour), 1, 1.0f, 0.0f, 0.0f,
                                                  4.0f, 4.0f);
        };
        game.propAnimations.bomb = solid(kBombIcon);
        game.propAnimations.bombArmed = solid(kArmedBombIcon);
        game.propAnimations.infection = solid(kInfectionIcon);
    }

    // The cells that carry a prop, by index.
    std::set<size_t> PropCells() const {
        std::set<size_t> cells;
        for (size_t i = 0; i < game.board.cells.size(); ++i) {
            if (game.board.cells[i].prop != 0) {
                cells.insert(i);
            }
        }
        return cells;
    }

    TempFolder folder;
};

TEST_F(PropsTest, TheGamesPicturesAreCopiesOfTheNamedAnimations) {
    hge->System_SetStateString(HGE_GAMEDIR, BUBBLEHIVE_GAME_DIR);
    ASSERT_TRUE(hge->Resource_AttachPack(hge->Resource_MakePath("image.dat"), kPackPassword));
    PropAnimations props;
    testing::internal::CaptureStderr();
    LoadProps(props);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(props.resources, nullptr);
    auto expectCopyOf = [&props](const hgeAnimation* copy, const std::string& name) {
        SCOPED_TRACE(name);
        ASSERT_NE(copy, nullptr);
        hgeAnimation* original = props.resources->GetAnimation(name);
        ASSERT_NE(original, nullptr);
        EXPECT_NE(copy, original);
        EXPECT_EQ(copy->GetTexture(), original->GetTexture());
        float x1, y1, w1, h1, x2, y2, w2, h2;
        copy->GetTextureRect(&x1, &y1, &w1, &h1);
        original->GetTextureRect(&x2, &y2, &w2, &h2);
        EXPECT_EQ(x1, x2);
        EXPECT_EQ(y1, y2);
        EXPECT_EQ(w1, w2);
    };
    // PropIcon gives each kind its own icon, and the board draws the same.
    const char* names[] = {"props_fast", "props_slow",      "props_aim",
                           "props_bomb", "props_infection", "props_star"};
    const PropIcons icons = BoardPropIcons(props);
    for (int kind = 1; kind <= kPropKinds; ++kind) {
        expectCopyOf(PropIcon(props, kind), names[kind - 1]);
        EXPECT_EQ(icons[kind - 1], PropIcon(props, kind));
    }
    EXPECT_EQ(PropIcon(props, 0), nullptr);
    EXPECT_EQ(PropIcon(props, 7), nullptr);
    // props_bomb1 of the script names the armed bomb.
    expectCopyOf(props.bombArmed.get(), "props_bomb_armed");
    EXPECT_EQ(props.bomb.get(), PropIcon(props, PropKind::Bomb));
}

TEST_F(PropsTest, PlacementTakesOneIntervalAndNeedsTwoCandidates) {
    // A candidate is a block without a prop.
    const struct {
        const char* board;
        float timer;
        float expectedTimer;
        bool placed;
    } cases[] = {
        {"1 2 3\n", 0.99f, 0.99f, false},        // not a whole interval yet
        {"1 2 3\n", 1.0f, 0.0f, true},           // exactly one
        {"1 2 3\n", 3.5f, 2.5f, true},           // one interval per call
        {"4\n", 1.5f, 0.5f, false},              // a single candidate
        {"4 5a 6* . 1~b\n", 1.5f, 0.5f, false},  // a single candidate among props
        {"\n", 1.0f, 0.0f, false},               // an empty board
        {"4 5a 6* . 1~\n", 2.0f, 1.0f, true},    // an infected block counts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.board) + " at " + std::to_string(c.timer));
        Lay(c.board);
        const int before = game.props.propsOnBoard;
        const std::set<size_t> propsBefore = PropCells();
        game.level.putPropsTime = 1.0f;
        game.props.propTimer = c.timer;
        PlaceProp(game);
        EXPECT_EQ(game.props.propTimer, c.expectedTimer);
        EXPECT_EQ(game.props.propsOnBoard, before + (c.placed ? 1 : 0));
        EXPECT_EQ(PropCells().size(), propsBefore.size() + (c.placed ? 1 : 0));
    }
}

TEST_F(PropsTest, PlacementLandsOnlyOnBlocksWithoutAPropAndReachesEachOfThem) {
    // Empty cells, props and blocks mixed, the last candidate in the last
    // cell of the grid.
    std::string rows = "1 . 2a 3 . 4\n. 5* . 6\n";
    for (int row = 2; row < 13; ++row) {
        rows += ".\n";  // an empty row
    }
    rows += ". . . . . . . . . . . 7\n";
    const std::set<size_t> candidates = {0, 3, 5, 12 + 3, 13 * 12 + 11};
    std::set<size_t> reached;
    std::set<int> kinds;
    for (int seed = 1; seed <= 200; ++seed) {
        Lay(rows);
        game.level.putPropsTime = 1.0f;
        game.props.propTimer = 1.0f;
        hge->Random_Seed(seed);
        PlaceProp(game);
        std::set<size_t> placed;
        for (size_t i : PropCells()) {
            if (i != 2 && i != 12 + 1) {
                placed.insert(i);
            }
        }
        ASSERT_EQ(placed.size(), 1u) << "seed " << seed;
        const size_t cell = *placed.begin();
        ASSERT_TRUE(candidates.count(cell)) << "seed " << seed << " put a prop on cell " << cell;
        EXPECT_EQ(game.board.cells[2].prop, PropKind::Aim);
        EXPECT_EQ(game.board.cells[12 + 1].prop, PropKind::Star);
        EXPECT_EQ(game.props.propsOnBoard, 3);
        reached.insert(cell);
        kinds.insert(game.board.cells[cell].prop);
    }
    EXPECT_EQ(reached, candidates);
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(PropsTest, AnArmedShotShowsItsIconOverTheCurrentBlock) {
    MakePictures();
    game.shooter.currentX = 10;
    game.shooter.currentY = 10;
    SetShooterColours(game, 3, 3);
    const struct {
        int bombShots;
        int infectionShots;
        DWORD expected;
    } cases[] = {
        {1, 0, kArmedBombIcon},  {1, 1, kArmedBombIcon},  {0, 1, kInfectionIcon},
        {-1, 1, kInfectionIcon}, {0, 0, kColourPixel[2]}, {-1, -2, kColourPixel[2]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.bombShots) + " bombs, " + std::to_string(c.infectionShots) +
                     " infections");
        game.props.bombShots = c.bombShots;
        game.props.infectionShots = c.infectionShots;
        BeginFrame();
        RenderShooter(game);
        hge->Gfx_EndScene();
        EXPECT_EQ(Pixel(11, 11), c.expected);
        EXPECT_EQ(Pixel(16, 16), kColourPixel[2]) << "the block shows around the icon";
    }
}

TEST_F(PropsTest, AnArmedBombFliesAsTheBombPicture) {
    MakePictures();
    folder.Write("script/block_function.luac", "ShootSpeed = 600\n");
    hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
    CallRule(game.rules, *hge, "getBlockNum", 1);
    for (int bombShots : {1, 0}) {
        game.props.bombShots = bombShots;
        FireBlock(game, 2, 10.0f, 10.0f, 0.0f);
        EXPECT_EQ(game.flying.colour, 2);
        BeginFrame();
        RenderFlyingBlock(game);
        hge->Gfx_EndScene();
        EXPECT_EQ(Pixel(11, 11), bombShots > 0 ? kBombIcon : kColourPixel[1]) << bombShots;
    }
}

}  // namespace
