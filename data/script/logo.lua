-- Logo screen: the emblem and title, centred on black.
logo_name = "logo"
logo_x = 100
logo_y = 90
