-- Prop icons, drawn centred over the block that carries them.
props_slow = "props_slow"
props_fast = "props_fast"
props_aim = "props_aim"
props_infection = "props_infection"
props_star = "props_star"
props_bomb = "props_bomb"
-- The armed bomb, drawn over the launcher's current block.
props_bomb1 = "props_bomb_armed"
