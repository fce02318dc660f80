-- Name input: a panel over the start menu. The game draws the text box
-- (160 wide, font_size high) with its top-left corner at input_posx,
-- input_posy, inside the cream field of the picture.
back = "input_back"
back_posx = 0
back_posy = 0

input_posx = 320
input_posy = 277
font_size = 20

ok_name = "input_ok"
ok_num = 3
ok_posx = 240
ok_posy = 341

cancel_name = "input_cancel"
cancel_num = 3
cancel_posx = 410
cancel_posy = 341
