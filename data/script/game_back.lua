-- The game screen around the field: background, ceiling, digits, the pause
-- picture, and the four animals of the garden in the right-hand panel.
back = "game_back"
back1 = "ceiling"
number = "digits"
number1 = "digits_big"

-- The pause picture, centred on the field.
lostfocus = "paused"
lostfocus_posx = 70
lostfocus_posy = 230

-- The digits of the score and the level, in the wells of the SCORE and
-- LEVEL boxes (22 x 32 digits, drawn left to right).
scorex = 548
scorey = 128
pointsx = 548
pointsy = 222

animal1 = "bee"
animal2 = "bee_small"
animal3 = "butterfly"
animal4 = "ladybug"
animalx1 = 612
animaly1 = 300
animalx2 = 700
animaly2 = 336
animalx3 = 718
animaly3 = 388
animalx4 = 578
animaly4 = 414
