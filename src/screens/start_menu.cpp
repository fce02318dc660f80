#include "screens/start_menu.h"

#include "app/app.h"

// The menu's background, buttons and sub-screens arrive with the start-menu
// screen; until then the menu shows an empty screen.
void StartMenuFrame(App&) {}

void StartMenuRender(App&) {}
