-- The ready, level-passed and level-failed banners, each played once over
-- the middle of the field (420 x 150 frames).
start_name = "banner_ready"
pass_name = "banner_pass"
fail_name = "banner_fail"
start_posx = 50
start_posy = 220
pass_posx = 50
pass_posy = 220
fail_posx = 50
fail_posy = 220
