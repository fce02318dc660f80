// The aim line: a guide drawn from the launcher along the aim and once more
// after the bounce off the wall it points at, shown while the aim prop lasts.
#pragma once

#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>

struct Game;

struct AimLine {
    std::unique_ptr<hgeResourceManager> resources;  // res/aim.pak, kept for the run
    std::unique_ptr<hgeAnimation> animation;
    int x = 0;               // aim_posx, aim_posy: the point it is drawn at and turned about;
    int y = 0;               // y is also the bottom of its clip strip
    float limitTime = 0.0f;  // aim_limit_time: seconds it stays on
    // The launcher's mirror images in the two walls, worked out on the first
    // draw.
    bool reflectionsKnown = false;
    float leftReflection = 0.0f;
    float rightReflection = 0.0f;
};

// Reads script/block_aim.luac and res/aim.pak.
void LoadAimLine(AimLine& aim);
// While on: its timer, switching it off after aim_limit_time, its animation.
void UpdateAimLine(Game& game, float dt);
// Draws it, clipped to the strip between the walls above the pivot; outside
// the field clip.
void RenderAimLine(Game& game);
