-- High scores: ten lines over the start menu. The game writes line i
-- (from 0) at y = font_posy + i * font_dify: the name at font_posx1 and the
-- score, right-aligned in ten characters, at font_posx2.
back = "top_back"
back_posx = 0
back_posy = 0

font_size = 16
font_posx1 = 230
font_posx2 = 524
font_posy = 163
font_dify = 30

ok = "top_ok"
ok_num = 3
ok_posx = 325
ok_posy = 472
