-- Help: the picture of keys, goal and props over the whole window, and the
-- HELP button on the side panel of the game screen.
back = "help_back"
back_posx = 0
back_posy = 0

help_name = "help_button"
help_num = 3
help_posx = 560
help_posy = 526
