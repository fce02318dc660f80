// The level in play and the numbers its rule functions gave it.
#pragma once

struct Level {
    int current = 0;            // CurrentLevel, from 1 in a game
    int needRemove = 0;         // NeedRemove: rows still to be pushed in from the top
    float fallTime = 0.0f;      // FallTime: seconds between two board advances
    int maxProps = 0;           // MaxProps: most props on the board at one time
    float putPropsTime = 0.0f;  // PutPropsTime: seconds between two prop placements
    float fallTimer = 0.0f;     // the board advance timer
    bool advanceDue = false;    // an advance waits for the flying block to land
};
