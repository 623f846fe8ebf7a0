# The enemies of "gamebox.waves": the drone, the snake's head, body and tail,
# the tank's hull, turret and cannon, and the boss (meshes with their
# platings), and the saucer's sprite sheet. The drone's rotor is the ships'
# propeller. Included by CMakeLists.txt after materials.cmake, whose
# zarnith_mesh and zarnith_game_picture it uses.

foreach(mesh enemyDrone enemyWorm enemyWorm_BODY enemyWorm_TAIL
    enemyTank enemyTank_TURRET enemyTank_CANNON enemyBoss)
  zarnith_mesh(${mesh}.mesh GAME)
endforeach()

# Olive plates with dark seams and a red eye near the nose, seen from above.
zarnith_game_picture(enemyPlating.png -size 128x128 "xc:#6a7a3a"
  -fill "#3a4420" -draw "rectangle 0,40 127,43" -draw "rectangle 0,84 127,87"
  -draw "rectangle 62,0 65,127" -fill "#ff3020" -draw "circle 64,20 64,12")
# The snake's purple scales, in rows.
zarnith_game_picture(wormScales.png -size 128x128 "xc:#7a3a7a"
  -fill none -stroke "#4a1a4a" -strokewidth 4
  -draw "arc 0,0 64,64 0,180" -draw "arc 64,0 128,64 0,180"
  -draw "arc 32,48 96,112 0,180" -draw "arc -32,48 32,112 0,180" -draw "arc 96,48 160,112 0,180")
# Desert camouflage for the tank, in blotches.
zarnith_game_picture(tankPlating.png -size 128x128 "xc:#b89a60"
  -fill "#8a6a38" -draw "ellipse 30,36 24,14 0,360" -draw "ellipse 96,90 22,16 0,360"
  -fill "#5a4a2a" -draw "ellipse 90,26 12,10 0,360" -draw "ellipse 28,100 14,9 0,360")
# The boss: dark armour with glowing vents.
zarnith_game_picture(bossPlating.png -size 256x256 "xc:#302838"
  -fill "#504060" -draw "rectangle 16,16 239,239"
  -fill "#ff6020" -draw "rectangle 40,60 215,67" -draw "rectangle 40,120 215,127"
  -draw "rectangle 40,180 215,187" -fill "#ffe080" -draw "circle 128,32 128,22")

# The saucer: 4 x 1 frames of 64 x 64, a grey disc under a glass dome whose
# rim light runs round from frame to frame.
set(SAUCER_FRAMES)
foreach(frame RANGE 3)
  math(EXPR centre "64 * ${frame} + 32")
  math(EXPR domeEdge "${centre} + 10")
  math(EXPR lightX "${centre} - 21 + 14 * ${frame}")
  list(APPEND SAUCER_FRAMES
    -fill "#909aa8" -draw "ellipse ${centre},32 29,29 0,360"
    -fill "#5a6470" -draw "ellipse ${centre},32 20,20 0,360"
    -fill "#80e0ff" -draw "circle ${centre},32 ${domeEdge},32"
    -fill "#ffff60" -draw "circle ${lightX},52 ${lightX},48")
endforeach()
zarnith_game_picture(enemySaucer.png -size 256x64 xc:none ${SAUCER_FRAMES})
