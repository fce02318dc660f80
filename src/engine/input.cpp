// Input events from the backend, and the key and mouse state the game reads.
#include "engine/engine_impl.h"

namespace {

bool ValidKey(int key) {
    return key > 0 && key < InputState::kKeyCount;
}

}  // namespace

void InputState::Apply(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::KeyDown:
            if (ValidKey(event.key) && !event.repeat) {
                if (!held[event.key]) {
                    wentDown[event.key] = true;
                }
                held[event.key] = true;
            }
            break;
        case InputEvent::Kind::KeyUp:
            if (ValidKey(event.key)) {
                if (held[event.key]) {
                    wentUp[event.key] = true;
                }
                held[event.key] = false;
            }
            break;
        case InputEvent::Kind::MouseMove:
            mouseX = event.x;
            mouseY = event.y;
            break;
        default:
            break;
    }
}

void HGE::DeliverEvent(const InputEvent& event) {
    EngineImpl& e = *impl_;
    e.input.Apply(event);
    switch (event.kind) {
        case InputEvent::Kind::FocusLost:
            if (e.focusLostFunc) {
                e.focusLostFunc();
            }
            break;
        case InputEvent::Kind::FocusGained:
            if (e.focusGainFunc) {
                e.focusGainFunc();
            }
            break;
        case InputEvent::Kind::Quit:
            e.quitPosted = true;
            break;
        default:
            break;
    }
    if (e.inputHook) {
        e.inputHook(event);
    }
}

void HGE::Input_GetMousePos(float* x, float* y) const {
    *x = impl_->input.mouseX;
    *y = impl_->input.mouseY;
}

bool HGE::Input_GetKeyState(int key) const {
    return ValidKey(key) && impl_->input.held[key];
}

bool HGE::Input_KeyDown(int key) const {
    return ValidKey(key) && impl_->input.wentDown[key];
}

bool HGE::Input_KeyUp(int key) const {
    return ValidKey(key) && impl_->input.wentUp[key];
}
