-- Save slots: five rows over the start menu. The game writes slot k's
-- player name at (font_posx, font_posy + (k - 1) * font_dify), inside the
-- dark well of row k; each row has its New and Continue button.
back = "read_back"
back_posx = 0
back_posy = 0

font_size = 16
font_posx = 200
font_posy = 168
font_dify = 58

new = "read_new"
new_num = 3
read = "read_continue"
read_num = 3

newposx1 = 406
newposy1 = 154
newposx2 = 406
newposy2 = 212
newposx3 = 406
newposy3 = 270
newposx4 = 406
newposy4 = 328
newposx5 = 406
newposy5 = 386

readposx1 = 538
readposy1 = 154
readposx2 = 538
readposy2 = 212
readposx3 = 538
readposy3 = 270
readposx4 = 538
readposy4 = 328
readposx5 = 538
readposy5 = 386

cancel = "read_cancel"
cancel_num = 3
cancel_posx = 325
cancel_posy = 454
