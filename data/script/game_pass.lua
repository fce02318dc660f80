-- Pass screen: a panel over the field. The game draws the total score at
-- (scorex, scorey) and the level's points at (getx, gety), both relative to
-- the picture, in the big digits, left to right inside the two wells.
pass_back = "pass_back"
pass_back_posx = 40
pass_back_posy = 100

pass_next = "pass_next"
pass_next_num = 3
pass_next_posx = 155
pass_next_posy = 384

scorex = 178
scorey = 102
getx = 178
gety = 178
