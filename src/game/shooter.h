// The launcher at the bottom of the field: its aim, the current and next
// block colours, and firing, by Space or by itself when the player waits too
// long.
#pragma once

#include "board/block_animations.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <array>
#include <memory>

class HGE;
struct Board;
struct Game;

// π/180 as a single-precision value: script degrees to radians.
inline constexpr float kDegreesToRadians = 0.017453292f;

struct Shooter {
    std::unique_ptr<hgeResourceManager> resources;  // res/block_shoot.pak, kept for the run
    std::unique_ptr<hgeAnimation> launcher;
    int x = 0;  // shoot_x, shoot_y: the pivot, where a fired block starts
    int y = 0;
    int currentX = 0;  // where the current block and the armed-prop icon are drawn
    int currentY = 0;
    int nextX = 0;  // where the next block is drawn
    int nextY = 0;
    float aimLimit = 0.0f;   // radians either side of straight up
    float limitTime = 0.0f;  // shoot_limit_time: seconds before a block fires by itself

    float angle = 0.0f;      // AimAngle: radians, 0 straight up, positive to the right
    float shotTimer = 0.0f;  // ShotTimer: seconds since the last shot or the level set-up
    int current = 1;         // CurrentColour
    int next = 1;            // NextColour
    std::unique_ptr<hgeAnimation> currentBlock;
    std::unique_ptr<hgeAnimation> nextBlock;
    bool spaceHeld = false;  // Space fired (or resumed the game) and is not yet released
    std::array<bool, kBlockColours> coloursPresent{};  // ColoursPresent, colours 1..7
};

// Reads script/block_shoot.luac and res/block_shoot.pak.
void LoadShooter(Shooter& shooter);
// At the end of every level set-up: straight up, a fresh timer and fresh
// colours from the board.
void ResetShooter(Game& game);

// Which colours the board holds now.
void RecomputeColoursPresent(Shooter& shooter, const Board& board);
// One of the colours present, each equally likely; 1 when there is none.
int PickColour(const Shooter& shooter, HGE& hge);

// Turning, firing by Space or by the shot timer, the launcher animation.
void UpdateShooter(Game& game, float dt);
// One frame of turning: Left and Right each move the aim by the frame's delta
// (one radian a second, both together cancel out), then it is held within
// ±limit. The autoplay steps it ahead to find the angles it can reach.
float TurnAim(float angle, bool left, bool right, float delta, float limit);
// Launches the current block from the pivot at the aim.
void LaunchCurrentBlock(Game& game);
// Launches the flying block from (x, y) at the angle, at the speed of the
// current speed mode.
void FireBlock(Game& game, int colour, float x, float y, float angle);
// After a landing that took blocks off: a current or next colour no longer on
// the board is replaced.
void RefreshShooterColours(Game& game);
// Sets the current and next colours and their pictures.
void SetShooterColours(Game& game, int current, int next);

// The launcher turned to the aim, the current and next blocks, the armed-prop
// icon.
void RenderShooter(Game& game);
