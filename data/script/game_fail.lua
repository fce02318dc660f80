-- Fail screen: a panel over the field. The game draws the total score at
-- (scorex, scorey) and the level's points at (getx, gety), both relative to
-- the picture, in the big digits, left to right inside the two wells.
fail_back = "fail_back"
fail_back_posx = 40
fail_back_posy = 100

fail_next = "fail_next"
fail_next_num = 3
fail_next_posx = 155
fail_next_posy = 384

scorex = 178
scorey = 102
getx = 178
gety = 178
