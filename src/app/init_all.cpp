#include "app/init_all.h"

#include "app/sound.h"
#include "screens/logo.h"

// The order is fixed: later loads may rely on earlier ones. A commented step
// is a screen still to come; its load goes in at its place.
void InitAll(App& app) {
    LoadLogo(app.logo);  // 1. logo screen
    // 2. block animations: LoadBlockAnimations
    // 3. board configuration: LoadBoardConfig
    // 4. aiming line: LoadAimLine
    // 5. prop animations: LoadProps
    // 6. start menu: LoadStartMenu
    // 7. game-state banners: LoadBanners
    // 8. pass screen: LoadPassScreen
    // 9. fail screen: LoadFailScreen
    // 10. name input screen
    // 11. save-slot screen, which also reads the player slots file
    // 12. high-score screen, which also reads the high-score file
    // 13. game background and score display: LoadHud
    // 14. settings screen
    // 15. in-game menu: LoadGameMenu
    // 16. shooter: LoadShooter
    // 17. help screen: LoadHelp
    LoadSounds(app.sounds);  // 18. the ten sounds
}
