#include "game/hud.h"

#include "app/layout_script.h"
#include "game/game.h"

#include <string>

void LoadHud(Hud& hud) {
    LayoutScript layout("game screen", "res/game_back.pak", "script/game_back.luac");
    hud.back = layout.AnimationCopy("back");
    hud.ceiling = layout.AnimationCopy("back1");
    InitDigitStrip(hud.resultDigits, *layout.AnimationCopy("number1"));
    InitDigitStrip(hud.hudDigits, *layout.AnimationCopy("number"));
    hud.lostFocus = layout.AnimationCopy("lostfocus");
    hud.lostFocusX = layout.Int("lostfocus_posx");
    hud.lostFocusY = layout.Int("lostfocus_posy");
    hud.scoreX = layout.Int("scorex");
    hud.scoreY = layout.Int("scorey");
    hud.pointsX = layout.Int("pointsx");
    hud.pointsY = layout.Int("pointsy");
    for (int i = 0; i < kAnimalCount; ++i) {
        const std::string n = std::to_string(i + 1);
        hud.animals[i] = layout.AnimationCopy(("animal" + n).c_str());
        hud.animals[i]->Play();
    }
    for (int i = 0; i < kAnimalCount; ++i) {
        const std::string n = std::to_string(i + 1);
        hud.animalX[i] = layout.Int(("animalx" + n).c_str());
        hud.animalY[i] = layout.Int(("animaly" + n).c_str());
    }
    hud.resources = layout.TakeManager();
}

void UpdateAnimals(Hud& hud, float dt) {
    for (auto& animal : hud.animals) {
        if (animal) {
            animal->Update(dt);
        }
    }
}

void RenderAnimals(Hud& hud) {
    for (int i = 0; i < kAnimalCount; ++i) {
        if (hud.animals[i]) {
            hud.animals[i]->Render(static_cast<float>(hud.animalX[i]),
                                   static_cast<float>(hud.animalY[i]));
        }
    }
}

void RenderHudBackground(Hud& hud) {
    if (hud.back) {
        hud.back->Render(0, 0);
    }
}

void RenderCeiling(Game& game) {
    Hud& hud = game.hud;
    if (game.level.needRemove > 0 || !hud.ceiling) {
        return;
    }
    hud.ceiling->Render(static_cast<float>(game.board.offsetX),
                        game.board.BoardOriginY - hud.ceiling->GetHeight());
}

void RenderHudNumbers(Game& game) {
    Hud& hud = game.hud;
    DrawNumber(game.score.total, hud.hudDigits, hud.scoreX, hud.scoreY);
    DrawNumber(game.level.current, hud.hudDigits, hud.pointsX, hud.pointsY);
}

void RenderPausePicture(Hud& hud) {
    if (hud.lostFocus) {
        hud.lostFocus->Render(static_cast<float>(hud.lostFocusX),
                              static_cast<float>(hud.lostFocusY));
    }
}
