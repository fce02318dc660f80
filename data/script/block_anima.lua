-- The block animations of res/block.pak: per colour (1 red heart, 2 orange
-- leaf, 3 yellow star, 4 green clover, 5 cyan drop, 6 blue moon, 7 purple gem)
-- a looping shimmer, a one-shot wobble and a one-shot pop; and the bomb.
block_normal1 = "block_normal1"
block_normal2 = "block_normal2"
block_normal3 = "block_normal3"
block_normal4 = "block_normal4"
block_normal5 = "block_normal5"
block_normal6 = "block_normal6"
block_normal7 = "block_normal7"
block_hit1 = "block_hit1"
block_hit2 = "block_hit2"
block_hit3 = "block_hit3"
block_hit4 = "block_hit4"
block_hit5 = "block_hit5"
block_hit6 = "block_hit6"
block_hit7 = "block_hit7"
block_remove1 = "block_remove1"
block_remove2 = "block_remove2"
block_remove3 = "block_remove3"
block_remove4 = "block_remove4"
block_remove5 = "block_remove5"
block_remove6 = "block_remove6"
block_remove7 = "block_remove7"
bombanima = "bomb_burst"

-- A dropped block starts falling at fallspeed pixels per second and speeds up
-- by jiasu pixels per second every second.
fallspeed = 60
jiasu = 1100
