// Where things sit on the menu screens, in window pixels (800 × 600). The
// layout scripts in data/script hold the same numbers for the game; the
// pictures are drawn around them so buttons, text and digits land in the
// places drawn for them.
#pragma once

namespace artgen::menu_layout {

constexpr int kScreenW = 800;
constexpr int kScreenH = 600;

// Logo screen: one sprite centred on black.
namespace logo {
constexpr int kW = 600, kH = 420;
constexpr int kX = (kScreenW - kW) / 2, kY = (kScreenH - kH) / 2;
}  // namespace logo

// Start menu: a column of five buttons under the title.
namespace start {
constexpr int kButtonW = 240, kButtonH = 54;
constexpr int kButtonX = (kScreenW - kButtonW) / 2;
constexpr int kFirstButtonY = 262;
constexpr int kButtonStep = 60;
}  // namespace start

// Name input: a panel with the text field and OK / Cancel.
namespace input {
constexpr int kPanelX = 190, kPanelY = 165, kPanelW = 420, kPanelH = 250;
constexpr int kFontSize = 20;
constexpr int kBoxW = 160;                     // the text box's fixed width
constexpr int kBoxX = (kScreenW - kBoxW) / 2;  // input_posx
constexpr int kBoxY = kPanelY + 112;           // input_posy
constexpr int kButtonW = 150, kButtonH = 50;
constexpr int kOkX = kScreenW / 2 - 10 - kButtonW, kCancelX = kScreenW / 2 + 10;
constexpr int kButtonY = kPanelY + kPanelH - kButtonH - 24;
}  // namespace input

// Save slots: five rows with a name well, New and Continue; Cancel below.
namespace slots {
constexpr int kPanelX = 110, kPanelY = 80, kPanelW = 580, kPanelH = 440;
constexpr int kFirstRowY = kPanelY + 72, kRowStep = 58, kRowH = 48;
constexpr int kRowX = kPanelX + 20, kRowW = kPanelW - 40;
constexpr int kFontSize = 16;
constexpr int kNameWellX = kRowX + 58, kNameWellW = 212;
constexpr int kNameX = kNameWellX + 12;                       // font_posx
constexpr int kNameY = kFirstRowY + (kRowH - kFontSize) / 2;  // font_posy
constexpr int kSmallButtonW = 130, kSmallButtonH = 44;
constexpr int kNewX = kNameWellX + kNameWellW + 6;
constexpr int kReadX = kNewX + kSmallButtonW + 2;
constexpr int kSmallButtonDy = (kRowH - kSmallButtonH) / 2;
constexpr int kCancelW = 150, kCancelH = 50;
constexpr int kCancelX = (kScreenW - kCancelW) / 2;
constexpr int kCancelY = kPanelY + kPanelH - kCancelH - 16;
}  // namespace slots

// High scores: ten lines of rank, name and score; OK below.
namespace top {
constexpr int kPanelX = 160, kPanelY = 62, kPanelW = 480, kPanelH = 476;
constexpr int kFontSize = 16;
constexpr int kHeaderY = kPanelY + 62;
constexpr int kFirstLineY = kPanelY + 96, kLineStep = 30, kLineH = 27;
constexpr int kNameX = kPanelX + 70;                            // font_posx1
constexpr int kScoreFieldW = 10 * kFontSize / 2;                // "%10d" at half-size advances
constexpr int kScoreX = kPanelX + kPanelW - 36 - kScoreFieldW;  // font_posx2
constexpr int kTextDy = (kLineH - kFontSize) / 2;
constexpr int kButtonW = 150, kButtonH = 50;
constexpr int kButtonX = (kScreenW - kButtonW) / 2;
constexpr int kButtonY = kPanelY + kPanelH - kButtonH - 16;
}  // namespace top

// Settings: two sliders sharing one track span; OK below.
namespace settings {
constexpr int kPanelX = 180, kPanelY = 145, kPanelW = 440, kPanelH = 310;
constexpr int kKnobW = 34, kKnobH = 38;
constexpr int kTrackLeft = 356, kTrackRight = 556;  // left, right: the knob's x range
constexpr int kMusicRowY = kPanelY + 100, kEffectsRowY = kPanelY + 168;  // row centres
constexpr int kButtonW = 150, kButtonH = 50;
constexpr int kButtonX = (kScreenW - kButtonW) / 2;
constexpr int kButtonY = kPanelY + kPanelH - kButtonH - 20;
}  // namespace settings

// In-game menu: a smaller panel inside the settings panel's outline, so the
// settings screen covers it when it opens from the menu.
namespace gamemenu {
constexpr int kPanelX = 250, kPanelY = 170, kPanelW = 300, kPanelH = 280;
constexpr int kButtonW = 230, kButtonH = 50;
constexpr int kButtonX = (kScreenW - kButtonW) / 2;
constexpr int kFirstButtonY = kPanelY + 48, kButtonStep = 54;
// The HUD buttons beside the field.
constexpr int kHudX = 560, kHudW = 180, kHudH = 44;
constexpr int kMenuY = 470, kHelpY = 526;
}  // namespace gamemenu

// Help picture: a large panel over the whole window.
namespace help {
constexpr int kPanelX = 40, kPanelY = 30, kPanelW = 720, kPanelH = 545;
}  // namespace help

// Pass and fail screens: a panel over the playing field (x 35-485, centre
// 260), leaving the score panel on the right in view.
namespace result {
constexpr int kTexW = 440, kTexH = 390;
constexpr int kX = 40, kY = 100;             // pass_back_posx, pass_back_posy
constexpr int kPanelDx = 20, kPanelDy = 24;  // the panel inside the picture
constexpr int kPanelW = 400, kPanelH = 340;
// Wells for the digits, relative to the picture.
constexpr int kWellX = kPanelDx + 150, kWellW = 236, kWellH = 62;
constexpr int kScoreWellY = kPanelDy + 70, kLevelWellY = kPanelDy + 146;
constexpr int kDigitH = 46;          // the number1 digits of the game screen
constexpr int kDigitX = kWellX + 8;  // scorex, getx
constexpr int kScoreDigitY = kScoreWellY + (kWellH - kDigitH) / 2;  // scorey
constexpr int kLevelDigitY = kLevelWellY + (kWellH - kDigitH) / 2;  // gety
constexpr int kButtonW = 210, kButtonH = 56;
constexpr int kButtonX = kX + kPanelDx + (kPanelW - kButtonW) / 2;
constexpr int kButtonY = kY + kPanelDy + kPanelH - kButtonH - 24;
}  // namespace result

}  // namespace artgen::menu_layout
