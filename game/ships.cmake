# The player ships of "gamebox.players": the mesh fighter with its two
# rotors, the sprite ship's sheet, and the crosshair's plane and aim texture.
# Included by CMakeLists.txt after materials.cmake, whose zarnith_mesh and
# zarnith_game_picture it uses.

zarnith_mesh(shipFalcon.mesh GAME)
zarnith_mesh(rotorBlade.mesh GAME)
zarnith_mesh(rotorFan.mesh GAME)
# The hull seen from above, nose at the top: a canopy and two wing stripes.
# Warm amber stands out from every level's sky, clouds, enemies and shots;
# its glow, the same picture at half strength, keeps it bright in the dark
# levels whatever their light.
set(SHIP_HULL_DRAWING
  -fill "#102050" -draw "ellipse 64,42 9,20 0,360"
  -fill "#e02818" -draw "polygon 8,118 40,100 44,106 14,124" -draw "polygon 120,118 88,100 84,106 114,124")
zarnith_game_picture(shipHull.png -size 128x128 "xc:#ffd23c" ${SHIP_HULL_DRAWING})
zarnith_game_picture(shipGlow.png -size 128x128 "xc:#ffd23c" ${SHIP_HULL_DRAWING} -evaluate multiply 0.5)

# The sprite ship: 4 x 2 frames of 64 x 64, nose up, its engine flame
# flickering from frame to frame.
set(SHIP_SPRITE_FRAMES)
foreach(frame RANGE 7)
  math(EXPR left "64 * (${frame} % 4)")
  math(EXPR top "64 * (${frame} / 4)")
  math(EXPR middle "${left} + 32")
  math(EXPR noseY "${top} + 4")
  math(EXPR wingY "${top} + 46")
  math(EXPR tailY "${top} + 38")
  math(EXPR cockpitY "${top} + 26")
  math(EXPR leftWing "${left} + 6")
  math(EXPR rightWing "${left} + 58")
  math(EXPR flameLeft "${left} + 27")
  math(EXPR flameRight "${left} + 37")
  math(EXPR flameTip "${top} + 46 + 3 * (${frame} % 4) + 2 * (${frame} / 4)")
  list(APPEND SHIP_SPRITE_FRAMES
    -fill "#ffb020" -draw "polygon ${flameLeft},${tailY} ${flameRight},${tailY} ${middle},${flameTip}"
    -fill "#60c0ff" -draw "polygon ${middle},${noseY} ${rightWing},${wingY} ${middle},${tailY} ${leftWing},${wingY}"
    -fill "#103050" -draw "ellipse ${middle},${cockpitY} 4,9 0,360")
endforeach()
zarnith_game_picture(shipSprite.png -size 256x128 xc:none ${SHIP_SPRITE_FRAMES})

# The crosshair: a plane of its own, with the game's aim texture.
zarnith_mesh(gui_waypoint.mesh MEDIA)
zarnith_game_picture(stickPointer.png -size 64x64 xc:none
  -fill none -stroke "#40ff80a0" -strokewidth 3 -draw "circle 32,32 32,14"
  -draw "line 32,0 32,18" -draw "line 32,46 32,63" -draw "line 0,32 18,32" -draw "line 46,32 63,32")
