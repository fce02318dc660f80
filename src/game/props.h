// Props: the six kinds that ride on blocks, their pictures read once from
// script/props_anima.luac and res/props.pak, and the placement of new props
// on the board while a level is played.
#pragma once

#include "board/board.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>

struct Game;

// The prop a cell carries; 0 is none.
namespace PropKind {
inline constexpr int None = 0;
inline constexpr int Fast = 1;
inline constexpr int Slow = 2;
inline constexpr int Aim = 3;
inline constexpr int Bomb = 4;
inline constexpr int Infection = 5;
inline constexpr int Star = 6;
}  // namespace PropKind

// The values of SpeedMode.
namespace SpeedMode {
inline constexpr int Normal = 0;
inline constexpr int Slow = 1;
inline constexpr int Fast = 2;
}  // namespace SpeedMode

// The seven animation copies; after a load none is null (a missing name
// gives a placeholder). None of them is ever started.
struct PropAnimations {
    std::unique_ptr<hgeResourceManager> resources;  // res/props.pak, kept for the run
    std::unique_ptr<hgeAnimation> slow;
    std::unique_ptr<hgeAnimation> fast;
    std::unique_ptr<hgeAnimation> aim;
    std::unique_ptr<hgeAnimation> infection;  // also the armed-infection icon
    std::unique_ptr<hgeAnimation> star;
    std::unique_ptr<hgeAnimation> bomb;       // also the flying bomb
    std::unique_ptr<hgeAnimation> bombArmed;  // props_bomb1: the armed bomb over the current block
};

// Reads script/props_anima.luac and res/props.pak into the seven copies.
void LoadProps(PropAnimations& props);

// The icon of kind 1..6; null for any other kind or before the load.
hgeAnimation* PropIcon(const PropAnimations& props, int kind);
// The six icons in kind order, as the board draws them.
PropIcons BoardPropIcons(const PropAnimations& props);

// Once per playing frame while the board holds fewer props than the level
// allows: when a whole interval has gathered in PropTimer, takes it and puts
// a random prop on a random block that carries none (not when fewer than two
// such blocks are left).
void PlaceProp(Game& game);
