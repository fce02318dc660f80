// The clickable image of every screen: one animation whose frames are the
// button's looks, a hit rectangle with all four edges included, and a small
// state machine driven by the left mouse button. A click is a press and a
// release both inside; the mouse may leave and come back in between.
//
// Screens own their buttons and call the operations from their own frame
// and render functions, with the mouse position truncated by MousePoint:
//
//   const MousePoint mouse = ReadMouse(*app.hge);
//   button.UpdateHover(mouse.x, mouse.y);
//   if (leftWentDown) button.OnMouseDown(mouse.x, mouse.y);
//   if (leftWentUp && button.OnMouseUp(mouse.x, mouse.y)) { /* the click's action */ }
#pragma once

#include "engine/animation.h"

#include <memory>
#include <string>

class HGE;
class LayoutScript;
struct Sounds;

enum ButtonState : int { ButtonNormal = 0, ButtonHover = 1, ButtonPressed = 2 };

// The mouse position as every hit test sees it: truncated toward zero.
struct MousePoint {
    int x = 0;
    int y = 0;
};
MousePoint ReadMouse(const HGE& hge);

struct Button {
    std::unique_ptr<hgeAnimation> animation;  // the looks; null until loaded
    int x = 0;
    int y = 0;
    int right = 0;   // x plus the frame width, truncated
    int bottom = 0;  // y plus the frame height, truncated
    int num = 0;     // how many looks the image has; 1 to 4 are meaningful
    int state = ButtonNormal;
    bool pressed = false;      // armed by a press inside; a release inside then clicks
    bool enabled = true;       // a disabled button is absent to every hit test
    Sounds* sounds = nullptr;  // where the button sound plays; none: silent

    // Takes a copy of the animation and the number of looks.
    void Load(const hgeAnimation& source, int looks, Sounds* buttonSounds);
    // Sets the position and the hit rectangle from the frame size.
    void Place(int left, int top);

    bool Contains(int px, int py) const;
    // Hover while the mouse is inside, normal outside; a pressed button
    // keeps its look wherever the mouse goes.
    void UpdateHover(int px, int py);
    // A press inside arms the button and plays the button sound from its
    // start; a press outside disarms it. True when it was pressed.
    bool OnMouseDown(int px, int py);
    // A release inside shows hover and is a click when the button was armed;
    // a release outside shows normal and disarms. True for a click.
    bool OnMouseUp(int px, int py);
    // Shows the look of the state and draws it at (x, y).
    void Render();
};

// The frame Render shows for a number of looks and a state; -1 keeps the
// animation's current frame.
int ButtonFrame(int looks, int state);

// Loads a button from its layout keys: the animation named by nameKey, and
// the numbers prefix_num, prefix_posx and prefix_posy.
void LoadButton(Button& button, LayoutScript& layout, const char* nameKey,
                const std::string& prefix, Sounds* sounds);
