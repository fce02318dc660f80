#include "screens/logo.h"

#include "app/app.h"
#include "app/layout_script.h"
#include "app/sound.h"

void LoadLogo(LogoScreen& logo) {
    LayoutScript layout("logo", "res/logo.pak", "script/logo.luac");
    logo.sprite = layout.SpriteCopy("logo_name");
    logo.x = layout.Int("logo_x");
    logo.y = layout.Int("logo_y");
    logo.resources = layout.TakeManager();
}

void RenderLogo(LogoScreen& logo) {
    if (logo.sprite) {
        logo.sprite->Render(static_cast<float>(logo.x), static_cast<float>(logo.y));
    }
}

void EndLogo(App& app) {
    app.appState = AppState::Menu;
    PlaySound(app.sounds, MenuMusic, true);
}
