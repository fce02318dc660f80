#include "screens/start_menu.h"

#include "app/app.h"
#include "app/layout_script.h"
#include "engine/hge.h"
#include "screens/high_scores.h"
#include "screens/name_input.h"
#include "screens/save_slots.h"
#include "screens/settings.h"

#include <cstdio>

void LoadStartMenu(StartMenu& menu, Sounds& sounds) {
    LayoutScript layout("start menu", "res/start.pak", "script/start.luac");
    menu.background = layout.AnimationCopy("start_back");
    LoadButton(menu.start, layout, "btn_start_name", "btn_start", &sounds);
    LoadButton(menu.more, layout, "btn_more_name", "btn_more", &sounds);
    LoadButton(menu.exit, layout, "btn_exit_name", "btn_exit", &sounds);
    LoadButton(menu.top, layout, "btn_top_name", "btn_top", &sounds);
    LoadButton(menu.set, layout, "btn_set_name", "btn_set", &sounds);
    menu.resources = layout.TakeManager();
}

std::string MorePageUrl(const HGE& hge) {
    const std::string path = hge.Resource_MakePath(kMorePage);
    std::string url = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool safe = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                          (byte >= '0' && byte <= '9') || c == '/' || c == '-' || c == '_' ||
                          c == '.' || c == '~';
        if (safe) {
            url += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            url += escaped;
        }
    }
    return url;
}

namespace {

// The release of a press begun in the main menu, buttons taken in this order
// and stopping at the first click that leaves the menu or ends the program.
void ClickStep(App& app, int px, int py) {
    StartMenu& menu = app.startMenu;
    if (menu.start.OnMouseUp(px, py)) {
        menu.start.state = ButtonNormal;
        menu.menuState = MenuState::SaveSlots;
        return;
    }
    if (menu.set.OnMouseUp(px, py)) {
        menu.set.state = ButtonNormal;
        menu.menuState = MenuState::Settings;
        return;
    }
    if (menu.top.OnMouseUp(px, py)) {
        menu.top.state = ButtonNormal;
        menu.menuState = MenuState::HighScores;
        return;
    }
    if (menu.more.OnMouseUp(px, py)) {
        // A page that cannot be opened changes nothing: the menu goes on.
        app.hge->System_OpenURL(MorePageUrl(*app.hge));
    }
    if (menu.exit.OnMouseUp(px, py)) {
        app.hge->System_PostQuit();
    }
}

void SubScreenFrame(App& app) {
    switch (app.startMenu.menuState) {
        case MenuState::Main:
            break;
        case MenuState::NameInput:
            NameInputFrame(app);
            break;
        case MenuState::SaveSlots:
            SaveSlotsFrame(app);
            break;
        case MenuState::HighScores:
            HighScoresFrame(app);
            break;
        case MenuState::Settings:
            SettingsFrame(app);
            break;
    }
}

void SubScreenRender(App& app) {
    switch (app.startMenu.menuState) {
        case MenuState::Main:
            break;
        case MenuState::NameInput:
            NameInputRender(app);
            break;
        case MenuState::SaveSlots:
            SaveSlotsRender(app);
            break;
        case MenuState::HighScores:
            HighScoresRender(app);
            break;
        case MenuState::Settings:
            RenderSettings(app.settings);
            break;
    }
}

}  // namespace

void StartMenuFrame(App& app) {
    StartMenu& menu = app.startMenu;
    HGE& hge = *app.hge;
    hge.Input_GetMousePos(&menu.mouseX, &menu.mouseY);
    const int px = static_cast<int>(menu.mouseX);
    const int py = static_cast<int>(menu.mouseY);
    const bool inMain = menu.menuState == MenuState::Main;

    if (inMain) {
        for (Button* button : {&menu.start, &menu.more, &menu.exit, &menu.top, &menu.set}) {
            button->UpdateHover(px, py);
        }
    }
    if (hge.Input_GetKeyState(HGEK_LBUTTON)) {
        if (!menu.mouseWasDown) {
            menu.mouseWasDown = true;
            if (inMain) {
                // Every button under the mouse is pressed and sounds.
                for (Button* button : {&menu.start, &menu.exit, &menu.set, &menu.more, &menu.top}) {
                    button->OnMouseDown(px, py);
                }
            }
        }
    } else if (menu.mouseWasDown) {
        if (inMain) {
            ClickStep(app, px, py);
        }
        menu.mouseWasDown = false;
    }
    SubScreenFrame(app);
}

void StartMenuRender(App& app) {
    StartMenu& menu = app.startMenu;
    if (menu.background) {
        menu.background->Render(0, 0);
    }
    for (Button* button : {&menu.start, &menu.exit, &menu.set, &menu.more, &menu.top}) {
        button->Render();
    }
    SubScreenRender(app);
}
