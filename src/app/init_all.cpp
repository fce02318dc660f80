#include "app/init_all.h"

#include "app/sound.h"
#include "board/block_animations.h"
#include "board/board.h"
#include "game/aim_line.h"
#include "game/banners.h"
#include "game/fail_screen.h"
#include "game/game_menu.h"
#include "game/help.h"
#include "game/hud.h"
#include "game/pass_screen.h"
#include "game/props.h"
#include "game/shooter.h"
#include "screens/high_scores.h"
#include "screens/logo.h"
#include "screens/name_input.h"
#include "screens/player_file.h"
#include "screens/save_paths.h"
#include "screens/save_slots.h"
#include "screens/score_file.h"
#include "screens/settings.h"
#include "screens/start_menu.h"

// The order is fixed: later loads may rely on earlier ones. A commented step
// is a screen still to come; its load goes in at its place.
void InitAll(App& app) {
    LoadLogo(app.logo);  // 1. logo screen
    // The game reaches the engine, the sounds and the screen size through
    // its own fields.
    app.game.hge = app.hge;
    app.game.sounds = &app.sounds;
    app.game.screenWidth = app.config.width;
    app.game.screenHeight = app.config.height;
    LoadBlockAnimations(app.game.blocks);  // 2. block animations
    LoadBoardConfig(app.game.board);       // 3. board configuration, then no points, no level
    app.game.score.total = 0;
    app.game.level.current = 0;
    LoadAimLine(app.game.aimLine);                            // 4. aiming line
    LoadProps(app.game.propAnimations);                       // 5. prop animations
    LoadStartMenu(app.startMenu, app.sounds);                 // 6. start menu
    LoadBanners(app.game.banners);                            // 7. game-state banners
    LoadPassScreen(app.game.passScreen, &app.sounds);         // 8. pass screen
    LoadFailScreen(app.game.failScreen, &app.sounds);         // 9. fail screen
    LoadNameInput(app.nameInput, app.textInput, app.sounds);  // 10. name input screen
    LoadSaveSlots(app.saveSlots, app.sounds);  // 11. save-slot screen, then the player slots file
    LoadPlayerSlots(app.save, SaveRoot(app.saveDir));
    LoadHighScores(app.highScores, app.sounds);  // 12. high-score screen, then the score file
    LoadScoreTable(app.save, SaveRoot(app.saveDir));
    LoadHud(app.game.hud);                        // 13. game background and score display
    LoadSettings(app.settings, app.sounds);       // 14. settings screen
    LoadGameMenu(app.game.gameMenu, app.sounds);  // 15. in-game menu
    LoadShooter(app.game.shooter);                // 16. shooter
    LoadHelp(app.game.help, app.sounds);          // 17. help screen
    LoadSounds(app.sounds);                       // 18. the ten sounds
}
