#include "game/result_screen.h"

#include "app/layout_script.h"
#include "engine/hge.h"
#include "game/digit_strip.h"

void LoadResultScreen(ResultScreen& screen, const std::string& prefix, Sounds* sounds) {
    const std::string name = "game_" + prefix;
    LayoutScript layout(prefix + " screen", "res/" + name + ".pak", "script/" + name + ".luac");
    const std::string back = prefix + "_back";
    screen.picture = layout.AnimationCopy(back.c_str());
    const double backX = layout.Number((back + "_posx").c_str());
    const double backY = layout.Number((back + "_posy").c_str());
    screen.x = static_cast<int>(backX);
    screen.y = static_cast<int>(backY);
    const std::string next = prefix + "_next";
    LoadButton(screen.button, layout, next.c_str(), next, sounds);
    // The numbers are placed relative to the picture.
    screen.scoreX = static_cast<int>(layout.Number("scorex") + backX);
    screen.scoreY = static_cast<int>(layout.Number("scorey") + backY);
    screen.getX = static_cast<int>(layout.Number("getx") + backX);
    screen.getY = static_cast<int>(layout.Number("gety") + backY);
    screen.resources = layout.TakeManager();
}

bool UpdateResultScreen(ResultScreen& screen, const HGE& hge, float dt) {
    if (!screen.active) {
        return false;
    }
    const MousePoint mouse = ReadMouse(hge);
    screen.button.UpdateHover(mouse.x, mouse.y);
    bool goOn = false;
    const bool mouseDown = hge.Input_GetKeyState(HGEK_LBUTTON);
    if (mouseDown && !screen.mouseWasDown) {
        screen.button.OnMouseDown(mouse.x, mouse.y);
    } else if (!mouseDown && screen.mouseWasDown) {
        goOn = screen.button.OnMouseUp(mouse.x, mouse.y);
    }
    screen.mouseWasDown = mouseDown;

    // A click and a Space press in one frame go on once.
    if (!goOn) {
        const bool spaceDown = hge.Input_GetKeyState(HGEK_SPACE);
        goOn = spaceDown && !screen.spaceWasDown;
        screen.spaceWasDown = spaceDown;
    }
    if (screen.picture) {
        screen.picture->Update(dt);
    }
    return goOn;
}

void RenderResultScreen(ResultScreen& screen, DigitStrip& digits, int totalScore, int levelScore) {
    if (!screen.active) {
        return;
    }
    if (screen.picture) {
        screen.picture->Render(static_cast<float>(screen.x), static_cast<float>(screen.y));
    }
    screen.button.Render();
    DrawNumber(totalScore, digits, screen.scoreX, screen.scoreY);
    DrawNumber(levelScore, digits, screen.getX, screen.getY);
}
