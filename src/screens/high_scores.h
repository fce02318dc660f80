// The high-score screen: the score table (up to ten names with their
// scores, best first) over a background, and an OK button back to the start
// menu. It runs over the start menu while MenuState is HighScores. The table
// shown is the one in memory, which changes only when the game saves.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"
#include "text/gfx_font.h"

#include <memory>

struct App;
class HGE;
struct ScoreTable;
struct Sounds;

struct HighScoreScreen {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<GfxFont> font;  // white; null when no face could be opened
    std::unique_ptr<hgeAnimation> background;
    int backX = 0;
    int backY = 0;
    Button ok;
    int nameX = 0;  // the columns and lines, relative to the background
    int scoreX = 0;
    int firstLineY = 0;
    int lineStep = 0;
    bool leftWasDown = false;  // the left button in the previous frame
};

// Reads script/top.luac and res/top.pak and makes the list's font (the
// score file is read beside it, by LoadScoreTable).
void LoadHighScores(HighScoreScreen& screen, Sounds& sounds);
// One frame: the OK button and the background. True on the frame OK is
// clicked.
bool UpdateHighScores(HighScoreScreen& screen, const HGE& hge, float dt);
// The background, the table's valid entries, each name with its score
// right-aligned in ten characters, and OK.
void RenderHighScores(HighScoreScreen& screen, const ScoreTable& table);

// Called by the start menu while MenuState is HighScores.
void HighScoresFrame(App& app);
void HighScoresRender(App& app);
