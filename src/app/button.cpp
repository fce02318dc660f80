#include "app/button.h"

#include "app/layout_script.h"
#include "app/sound.h"
#include "engine/hge.h"

MousePoint ReadMouse(const HGE& hge) {
    float x = 0;
    float y = 0;
    hge.Input_GetMousePos(&x, &y);
    return {static_cast<int>(x), static_cast<int>(y)};
}

void Button::Load(const hgeAnimation& source, int looks, Sounds* buttonSounds) {
    animation = std::make_unique<hgeAnimation>(source);
    num = looks;
    sounds = buttonSounds;
}

void Button::Place(int left, int top) {
    x = left;
    y = top;
    const float width = animation ? animation->GetWidth() : 0.0f;
    const float height = animation ? animation->GetHeight() : 0.0f;
    right = static_cast<int>(static_cast<float>(x) + width);
    bottom = static_cast<int>(static_cast<float>(y) + height);
}

bool Button::Contains(int px, int py) const {
    return px >= x && px <= right && py >= y && py <= bottom;
}

void Button::UpdateHover(int px, int py) {
    if (!enabled || state == ButtonPressed) {
        return;
    }
    state = Contains(px, py) ? ButtonHover : ButtonNormal;
}

bool Button::OnMouseDown(int px, int py) {
    if (!enabled) {
        return false;
    }
    if (!Contains(px, py)) {
        pressed = false;
        return false;
    }
    state = ButtonPressed;
    pressed = true;
    if (sounds != nullptr) {
        PlaySound(*sounds, ButtonSound, false);
    }
    return true;
}

bool Button::OnMouseUp(int px, int py) {
    if (!enabled) {
        return false;
    }
    if (!Contains(px, py)) {
        state = ButtonNormal;
        pressed = false;
        return false;
    }
    state = ButtonHover;
    const bool clicked = pressed;
    pressed = false;
    return clicked;
}

int ButtonFrame(int looks, int state) {
    switch (looks) {
        case 1:
            return 0;
        case 2:
            return state == ButtonHover ? 1 : 0;
        case 3:
        case 4:
            return state;
        default:
            return -1;
    }
}

void Button::Render() {
    if (!animation) {
        return;
    }
    const int frame = ButtonFrame(num, state);
    if (frame >= 0) {
        animation->SetFrame(frame);
    }
    animation->Render(static_cast<float>(x), static_cast<float>(y));
}

void LoadButton(Button& button, LayoutScript& layout, const char* nameKey,
                const std::string& prefix, Sounds* sounds) {
    button.animation = layout.AnimationCopy(nameKey);
    button.num = layout.Int((prefix + "_num").c_str());
    button.sounds = sounds;
    button.Place(layout.Int((prefix + "_posx").c_str()), layout.Int((prefix + "_posy").c_str()));
}
