// The keyboard and mouse as the game sees them: which keys are held, which
// went down or up during this frame, and where the mouse is.
#pragma once

#include "engine/hge.h"

#include <array>

struct InputState {
    static constexpr int kKeyCount = 256;
    std::array<bool, kKeyCount> held{};
    std::array<bool, kKeyCount> wentDown{};
    std::array<bool, kKeyCount> wentUp{};
    float mouseX = 0, mouseY = 0;

    // Forgets the edges of the previous frame; held keys stay held.
    void ClearEdges() {
        wentDown.fill(false);
        wentUp.fill(false);
    }
    // Updates keys and mouse for one event. Auto-repeated key downs make no
    // new edge.
    void Apply(const InputEvent& event);
};
