// The state of a game in play, in one plain struct held by App: the board
// and its effects, the level, the points, the rule script, the props, the
// flying block, and the state of the game screen.
#pragma once

#include "board/block_animations.h"
#include "board/board.h"
#include "board/effects.h"
#include "game/aim_line.h"
#include "game/banners.h"
#include "game/flying_block.h"
#include "game/game_frame.h"
#include "game/game_menu.h"
#include "game/help.h"
#include "game/hud.h"
#include "game/level.h"
#include "game/prop_state.h"
#include "game/props.h"
#include "game/result_screen.h"
#include "game/rule_script.h"
#include "game/score.h"
#include "game/shooter.h"

class HGE;
struct Sounds;

// The values of GameState; the game keeps it in a plain int (2 and 7 are
// never used).
namespace GameState {
inline constexpr int Ready = 0;
inline constexpr int Playing = 1;
inline constexpr int PassBanner = 3;
inline constexpr int PassScreen = 4;
inline constexpr int FailBanner = 5;
inline constexpr int FailScreen = 6;
inline constexpr int Paused = 8;
inline constexpr int GameMenu = 9;
inline constexpr int Help = 10;
}  // namespace GameState

struct Game {
    HGE* hge = nullptr;        // the running engine, set at load (App holds the reference)
    Sounds* sounds = nullptr;  // App's sound slots, for PlaySound
    int screenWidth = 800;     // the configured screen size
    int screenHeight = 600;

    int gameState = GameState::Ready;
    int bannerKind = GameState::Ready;  // Ready, PassBanner or FailBanner

    Board board;
    BlockAnimations blocks;
    Effects effects;
    Level level;
    Score score;
    RuleScript rules;
    PropState props;
    PropAnimations propAnimations;  // the prop icons, the flying and the armed bomb
    FlyingBlock flying;
    Shooter shooter;
    AimLine aimLine;
    ResumeKeys resumeKeys;  // the game frame's Space and left-button flags
    Hud hud;
    Banners banners;
    ResultScreen passScreen;
    ResultScreen failScreen;
    GameMenu gameMenu;
    HelpScreen help;
};
