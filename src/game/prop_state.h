// What the props have set in motion: the speed mode, the aim line, armed
// shots, colours to sweep, and the placement of new props.
#pragma once

#include <array>

struct PropState {
    int speedMode = 0;                  // SpeedMode: 0 normal, 1 slow, 2 fast
    float speedTimer = 0.0f;            // SpeedTimer: seconds left of slow or fast
    bool aimLineOn = false;             // AimLineOn
    float aimLineTimer = 0.0f;          // AimLineTimer: seconds the aim line has shown
    int bombShots = 0;                  // BombShots: 1 or more arms the next shot
    int infectionShots = 0;             // InfectionShots
    std::array<bool, 7> starColours{};  // StarColours: colours 1..7 to sweep
    int propsOnBoard = 0;               // PropsOnBoard
    float propTimer = 0.0f;             // PropTimer: time toward the next placement
};
