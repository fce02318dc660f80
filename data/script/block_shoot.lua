-- The launcher stands at the bottom centre of the field, on its socket in the
-- deck; a shot starts at its pivot, where the current block sits. The next
-- block waits in the cradle to its left.
shoot_name = "launcher"
shoot_x = 260
shoot_y = 546
shoot_current_x = 260
shoot_current_y = 546
shoot_next_x = 160
shoot_next_y = 556
-- The launcher turns up to 75 degrees either side of straight up.
shoot_min_angle = 75
-- A block is fired by itself after this many seconds.
shoot_limit_time = 10
