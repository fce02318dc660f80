-- Window and frame rate of the game.
screenwidth = 800
screenheight = 600
app_fps = 30
app_title = "Bubblehive"
