// Where everything of the game screen sits in the 800 x 600 window. The
// numbers of the grid and the launcher are the same as in the layout scripts
// data/script/block_config.lua, block_shoot.lua, block_aim.lua and
// game_back.lua; the background is drawn around them.
#pragma once

namespace artgen::game {

// The grid: 12 columns of 36-pixel bubbles in 14 staggered rows.
constexpr int kBlockNumX = 12;
constexpr int kBlockNumY = 14;
constexpr int kBlockWidth = 36;
constexpr int kBlockHeight = 36;
constexpr int kFieldX = 35;  // block_offectx: left edge of the field
constexpr int kFieldY = 30;  // block_offecty: top edge of the field

// Rows are packed hexagonally: sqrt(3) / 2 of a block height apart.
constexpr double kRowPitch = 1.7320508 * 0.5 * kBlockHeight;
// The rectangle every board drawing is clipped to.
constexpr int kFieldW = kBlockWidth * kBlockNumX + kBlockWidth / 2;
constexpr int kFieldH = static_cast<int>(kBlockHeight + kBlockNumY * kRowPitch);
// The lowest centre a resting block may have.
constexpr int kBottomLine =
    static_cast<int>(kRowPitch * (kBlockNumY - 1) + kFieldY + kBlockHeight / 2);

// The inside of the field frame: the field plus the launcher deck below it.
constexpr int kInnerLeft = kFieldX;
constexpr int kInnerRight = kFieldX + kFieldW;
constexpr int kInnerTop = kFieldY;
constexpr int kInnerBottom = 582;
constexpr int kFrameWidth = 14;  // the golden wall around the inside

// The launcher turns about its pivot, which is where a shot starts and where
// the current block sits; the next block waits on a cradle to its left.
constexpr int kShootX = kFieldX + kFieldW / 2;
constexpr int kShootY = 546;
constexpr int kNextX = kShootX - 100;
constexpr int kNextY = 556;

// The right-hand panel.
constexpr int kPanelX = 520;
constexpr int kPanelW = 270;
constexpr int kScoreBoxY = 90;   // the SCORE box
constexpr int kLevelBoxY = 184;  // the LEVEL box
constexpr int kBoxH = 82;
constexpr int kDigitW = 22;  // the HUD digits
constexpr int kDigitH = 32;
constexpr int kBigDigitW = 32;  // the digits of the pass and fail screens
constexpr int kBigDigitH = 46;
// The dark wells in the SCORE and LEVEL boxes, where the digits are drawn.
constexpr int kWellX = kPanelX + 20;
constexpr int kWellW = kPanelW - 40;
constexpr int kWellAbove = 6;  // the well reaches this far around the digits
constexpr int kScoreX = 548;
constexpr int kScoreY = kScoreBoxY + 38;
constexpr int kLevelX = 548;
constexpr int kLevelY = kLevelBoxY + 38;

// The two buttons of the menu screens' scripts that stand on the panel.
constexpr int kMenuButtonX = 560;
constexpr int kMenuButtonY = 470;
constexpr int kHelpButtonX = 560;
constexpr int kHelpButtonY = 526;
constexpr int kButtonW = 180;
constexpr int kButtonH = 44;

// The garden between the LEVEL box and the buttons, where the animals live,
// and where each animal's frame is drawn (top-left corners).
constexpr int kGardenX = kPanelX + 10;
constexpr int kGardenW = kPanelW - 20;
constexpr int kGardenY = 278;
constexpr int kGardenH = 178;
constexpr int kAnimalX[4] = {612, 700, 718, 578};
constexpr int kAnimalY[4] = {300, 336, 388, 414};

// The pause picture and the banners, centred on the field.
constexpr int kPauseW = 380;
constexpr int kPauseH = 150;
constexpr int kPauseX = kShootX - kPauseW / 2;
constexpr int kPauseY = 230;
constexpr int kBannerW = 420;
constexpr int kBannerH = 150;
constexpr int kBannerX = kShootX - kBannerW / 2;
constexpr int kBannerY = 220;

}  // namespace artgen::game
