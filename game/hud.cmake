# The pictures of the sample game's HUD layout ("gamebox.HUD"): the bar's
# back, fill and ready layers, the emblem beside the hit points, and the
# engine's default element picture. Included by CMakeLists.txt after
# materials.cmake, whose zarnith_game_picture it uses.

zarnith_game_picture(enemyBar_back.png -size 256x32 xc:none
  -fill "#20202080" -stroke "#c0c0c0" -strokewidth 2 -draw "roundrectangle 1,1 254,30 6,6")
zarnith_game_picture(enemyBar_front.png -size 256x32 xc:none
  -fill white -draw "roundrectangle 4,4 251,27 4,4")
zarnith_game_picture(enemyBar_white_front.png -size 256x32 xc:none
  -fill white -draw "roundrectangle 1,1 254,30 6,6")
zarnith_game_picture(hudEmblem.png -size 64x64 xc:none
  -fill "#6fa8e8" -draw "polygon 32,4 60,56 32,44 4,56")
zarnith_picture(gameover.jpg -size 512x128 xc:black -fill white
  -font ${DEJAVU_SANS_BOLD} -pointsize 72 -gravity center -annotate +0+0 "GAME OVER")
