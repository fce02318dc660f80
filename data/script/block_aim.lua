-- The aim line is drawn upward from the launcher's pivot and turns with it.
block_aim = "aim_line"
aim_posx = 260
aim_posy = 546
-- Seconds the aim prop keeps it shown.
aim_limit_time = 12
