-- In-game menu: a panel over the middle of the window with four buttons
-- (top to bottom: resume, save, settings, main menu), and the MENU button
-- on the side panel of the game screen, which is always shown.
back = "gamemenu_back"
back_posx = 0
back_posy = 0

btn_game_name = "gamemenu_resume"
btn_game_num = 3
btn_game_posx = 285
btn_game_posy = 218

btn_save_name = "gamemenu_save"
btn_save_num = 3
btn_save_posx = 285
btn_save_posy = 272

btn_set_name = "gamemenu_settings"
btn_set_num = 3
btn_set_posx = 285
btn_set_posy = 326

btn_start_name = "gamemenu_mainmenu"
btn_start_num = 3
btn_start_posx = 285
btn_start_posy = 380

btn_back_name = "gamemenu_menu"
btn_back_num = 3
btn_back_posx = 560
btn_back_posy = 470
