// The replay tool's player (--autoplay): the game's demo and its soak test.
// It plays only through what a player could press: before each frame it
// starts level 1 if the script starts no game, presses Space on the pass and
// fail screens (next level, retry) and to resume a pause, and in play turns
// with Left or Right to the best angle it can reach and fires with Space.
#pragma once

#include "game/shot_simulation.h"

#include <string>
#include <vector>

struct Game;
struct ReplayContext;

// An angle the aim reaches after holding `key` (HGEK_LEFT or HGEK_RIGHT) for
// `frames` frames; key 0 and no frames for the aim as it stands.
struct AimCandidate {
    float angle = 0.0f;
    int key = 0;
    int frames = 0;
    ShotOutcome outcome;
};

// True when shot a is the better one: a shot that does not lose the level,
// then one that wins it, then the most blocks removed, then the most blocks
// of its colour around the cell it settles in, then the angle nearest
// straight up, then the one further left.
bool BetterShot(const AimCandidate& a, const AimCandidate& b);

// Tries every angle the aim can reach from where it stands, in whole frames
// of turning by delta seconds a frame (up to the aim limit both ways), with
// SimulateShot, and gives the best.
AimCandidate ChooseAim(Game& game, float delta);

struct Autoplay {
    bool startsGame = true;  // start level 1 on the first frame (the script starts no game)
    bool spaceDown = false;  // Space pressed for this frame, released before the next
    int turnKey = 0;         // Left or Right while held, else 0
    // The shot being lined up, and what it was planned on (the board, the
    // shooter's colour, the armed shots and the speed mode): when that
    // changes, the shot is planned again from where the aim stands.
    bool planned = false;
    AimCandidate plan;
    std::vector<int> planView;
    // For the summary.
    int frames = 0;
    int highestLevel = 0;
    int passes = 0;
    int fails = 0;
    int lastGameState = -1;
};

// Feeds the frame's input, after the script's own commands of the frame.
void AutoplayBeforeFrame(Autoplay& autoplay, ReplayContext& context);
// Counts the frame, the level reached and the passes and fails begun.
void AutoplayAfterFrame(Autoplay& autoplay, const ReplayContext& context);
// "autoplay: N frames, highest level L, P passes, F fails, R frames/s", the
// rate over `seconds` of wall-clock time.
std::string AutoplaySummary(const Autoplay& autoplay, double seconds);
