# The pictures of the sample game's HUD: the bars' back, fill and ready
# layers (the gauges and the enemies' life bars), the emblem beside the hit points, the strip
# behind the HUD's lines, and the engine's default element picture. Included by CMakeLists.txt after
# materials.cmake, whose zarnith_game_picture it uses.

zarnith_game_picture(enemyBar_back.png -size 256x32 xc:none
  -fill "#20202080" -stroke "#c0c0c0" -strokewidth 2 -draw "roundrectangle 1,1 254,30 6,6")
zarnith_game_picture(enemyBar_front.png -size 256x32 xc:none
  -fill white -draw "roundrectangle 4,4 251,27 4,4")
zarnith_game_picture(enemyBar_white_front.png -size 256x32 xc:none
  -fill white -draw "roundrectangle 1,1 254,30 6,6")
zarnith_game_picture(hudBackdrop.png -size 512x32 "gradient:#0b1a44e0-#0b1a4440"
  -fill "#6fa8e8" -draw "rectangle 0,0 511,1")
# The continue offer's panel, warmer than the pause menu's.
zarnith_game_picture(continueMenu.png -size 512x256 xc:none
  -fill "#301020d0" -stroke "#e8a06f" -strokewidth 4 -draw "roundrectangle 2,2 509,253 24,24")
# The high-score and stage-score panels: opaque inside its border, so that
# the name panel hides the table's rows it slides over.
zarnith_game_picture(highScoresMenu.png -size 256x256 xc:none
  -fill "#101830" -stroke "#6fa8e8" -strokewidth 4 -draw "roundrectangle 2,2 253,253 16,16")
zarnith_game_picture(hudEmblem.png -size 64x64 xc:none
  -fill "#6fa8e8" -draw "polygon 32,4 60,56 32,44 4,56")
zarnith_picture(gameover.jpg -size 512x128 xc:black -fill white
  -font ${DEJAVU_SANS_BOLD} -pointsize 72 -gravity center -annotate +0+0 "GAME OVER")
# The engine's own pictures of the menus and score pop-ups, used when a game
# file names none: the pause and score screens' panel, the start menu's star
# field and entry block, and the score pop-up's digits sheet.
zarnith_picture(pauseMenu.png -size 256x256 xc:none
  -fill "#101830c0" -stroke "#6fa8e8" -strokewidth 4 -draw "roundrectangle 2,2 253,253 16,16")
zarnith_picture(stars.png -size 256x256 xc:black -seed 7 +noise Random -colorspace Gray
  -threshold 97% -type TrueColor)
zarnith_picture(startMenuBlockTexture_blueGradient.png -size 256x64 "gradient:#2050a0-#0b1a44")
# The pop-up's strip is 13 tiles of 16 by 24: the digits, a blank, the point
# and the comma, each character drawn inside its own tile.
set(SCORE_STRIP_GLYPHS)
foreach(digit RANGE 9)
  math(EXPR left "${digit} * 16 + 2")
  list(APPEND SCORE_STRIP_GLYPHS -annotate +${left}+0 ${digit})
endforeach()
zarnith_picture(score_default.png -size 208x24 xc:none -fill white
  -font ${DEJAVU_SANS_BOLD} -pointsize 20 -gravity NorthWest ${SCORE_STRIP_GLYPHS}
  -annotate +181+0 . -annotate +197+0 , -type TrueColorAlpha)
# The warning over a level's last stretch: two frames of 256 x 128, the word
# white, then orange, on a see-through panel that leaves the ship in sight.
zarnith_game_picture(hudWarning.png -size 512x128 xc:none
  -fill "#30101070" -stroke "#ff8000" -strokewidth 4
  -draw "roundrectangle 6,22 249,105 14,14" -draw "roundrectangle 262,22 505,105 14,14"
  -stroke none -font ${DEJAVU_SANS_BOLD} -pointsize 38
  -fill white -annotate +30+78 WARNING -fill "#ff8000" -annotate +286+78 WARNING)
