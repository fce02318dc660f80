#include "screens/high_scores.h"

#include "app/app.h"
#include "app/layout_script.h"
#include "engine/hge.h"
#include "screens/save_data.h"
#include "screens/screen_font.h"

void LoadHighScores(HighScoreScreen& screen, Sounds& sounds) {
    LayoutScript layout("high scores", "res/top.pak", "script/top.luac");
    screen.font = MakeScreenFont("high scores", layout.Int("font_size"));
    screen.background = layout.AnimationCopy("back");
    screen.backX = layout.Int("back_posx");
    screen.backY = layout.Int("back_posy");
    LoadButton(screen.ok, layout, "ok", "ok", &sounds);
    screen.nameX = layout.Int("font_posx1");
    screen.scoreX = layout.Int("font_posx2");
    screen.firstLineY = layout.Int("font_posy");
    screen.lineStep = layout.Int("font_dify");
    screen.resources = layout.TakeManager();
}

bool UpdateHighScores(HighScoreScreen& screen, const HGE& hge, float dt) {
    const MousePoint mouse = ReadMouse(hge);
    screen.ok.UpdateHover(mouse.x, mouse.y);
    bool okClicked = false;
    if (hge.Input_GetKeyState(HGEK_LBUTTON)) {
        if (!screen.leftWasDown) {
            screen.leftWasDown = true;
            screen.ok.OnMouseDown(mouse.x, mouse.y);
        }
    } else {
        okClicked = screen.ok.OnMouseUp(mouse.x, mouse.y);
        screen.leftWasDown = false;
    }
    if (screen.background) {
        screen.background->Update(dt);
    }
    return okClicked;
}

void RenderHighScores(HighScoreScreen& screen, const ScoreTable& table) {
    if (screen.background) {
        screen.background->Render(static_cast<float>(screen.backX),
                                  static_cast<float>(screen.backY));
    }
    if (screen.font) {
        for (int i = 0; i < table.count && i < kScoreEntryCount; ++i) {
            const int y = screen.backY + screen.firstLineY + i * screen.lineStep;
            const ScoreEntry& entry = table.entries[i];
            // Every code unit below U+2000 has the same advance, so the
            // ten-character score fields line up on their right edge.
            screen.font->PrintFormatted(static_cast<float>(screen.backX + screen.nameX),
                                        static_cast<float>(y), "%s", entry.name.c_str());
            screen.font->PrintFormatted(static_cast<float>(screen.backX + screen.scoreX),
                                        static_cast<float>(y), "%10d", entry.score);
        }
    }
    screen.ok.Render();
}

void HighScoresFrame(App& app) {
    if (UpdateHighScores(app.highScores, *app.hge, app.hge->Timer_GetDelta())) {
        app.startMenu.menuState = MenuState::Main;
    }
}

void HighScoresRender(App& app) {
    RenderHighScores(app.highScores, app.save.scoreTable);
}
