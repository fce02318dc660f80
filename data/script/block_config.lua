-- The board: 12 columns of 36-pixel bubbles in 14 staggered rows, rows
-- sqrt(3)/2 * 36 = 31.18 pixels apart. The field is 12 * 36 + 18 = 450 pixels
-- wide and 36 + 14 * 31.18 = 472 pixels high, at (35, 30) inside the golden
-- frame of the game background; the lowest row rests at y 447, above the
-- launcher's deck.
block_numx = 12
block_numy = 14
block_width = 36
block_height = 36
block_offectx = 35
block_offecty = 30
