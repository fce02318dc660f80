// What the pass and fail screens share: a panel over the field with the
// total score and the level's points in the big digits, one go-on button
// (next level, or try again) and the Space key. Each screen's own file says
// what going on means.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>
#include <string>

class HGE;
struct DigitStrip;
struct Sounds;

struct ResultScreen {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> picture;  // advanced while the screen is active
    int x = 0;
    int y = 0;
    Button button;
    int scoreX = 0;  // TotalScore, in screen pixels
    int scoreY = 0;
    int getX = 0;  // LevelScore, in screen pixels
    int getY = 0;
    bool active = false;  // set when the banner hands over, cleared on going on
    // Whether the left button and Space were down in the screen's previous
    // active frame; they keep their values while the screen is not active.
    bool mouseWasDown = false;
    bool spaceWasDown = false;
};

// Reads a result screen whose keys start with prefix ("pass" or "fail"):
// prefix_back, prefix_next and their numbers, scorex, scorey, getx, gety.
void LoadResultScreen(ResultScreen& screen, const std::string& prefix, Sounds* sounds);
// One frame of an active screen: the button, then Space unless the button
// already went on, then the picture. True when the player asked to go on.
bool UpdateResultScreen(ResultScreen& screen, const HGE& hge, float dt);
// The picture, the button and the two numbers.
void RenderResultScreen(ResultScreen& screen, DigitStrip& digits, int totalScore, int levelScore);
