-- Start menu: the hive background and a column of five buttons under the
-- title (top to bottom: start, high scores, settings, more games, exit).
start_back = "start_back"

btn_start_name = "btn_start"
btn_start_num = 3
btn_start_posx = 280
btn_start_posy = 262

btn_top_name = "btn_top"
btn_top_num = 3
btn_top_posx = 280
btn_top_posy = 322

btn_set_name = "btn_set"
btn_set_num = 3
btn_set_posx = 280
btn_set_posy = 382

btn_more_name = "btn_more"
btn_more_num = 3
btn_more_posx = 280
btn_more_posy = 442

btn_exit_name = "btn_exit"
btn_exit_num = 3
btn_exit_posx = 280
btn_exit_posy = 502
