-- Settings: two volume sliders over the start menu (and over the in-game
-- menu). A knob's x runs from set_back_posx + left to set_back_posx + right;
-- both start at the right end, full volume.
set_back = "set_back"
set_back_posx = 0
set_back_posy = 0

left = 356
right = 556

back_sound = "set_knob"
back_sound_num = 3
back_sound_posx = 556
back_sound_posy = 226

sound = "set_knob"
sound_num = 3
sound_posx = 556
sound_posy = 294

ok = "set_ok"
ok_num = 3
ok_posx = 325
ok_posy = 385
