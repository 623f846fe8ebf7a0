# The textures of the sample game's shots ("gamebox.bullets"), the stand-in
# of a shot whose texture is missing, and the texture of the missile's ribbon
# trail. Included by CMakeLists.txt after materials.cmake, whose
# zarnith_game_picture it uses.

# Stand-in: a small magenta and black checker, as the other stand-ins.
zarnith_picture(notFoundBullet.jpg -size 32x32 pattern:checkerboard
  +level-colors "#ff00ff,#000000")
# A glow without alpha, drawn additively: black adds nothing.
zarnith_game_picture(shotOrange.jpg -size 64x64 "radial-gradient:#ffa030-black")
# A needle lying along the shot's path (the quad's height).
zarnith_game_picture(shotNeedle.png -size 16x64 xc:none
  -fill "#e0f0ff" -draw "polygon 8,0 14,56 8,63 2,56")
# A missile: nose up, body, and two fins at its tail.
zarnith_game_picture(shotMissile.png -size 32x96 xc:none
  -fill "#c8c8d0" -draw "roundrectangle 10,12 21,80 5,5"
  -fill "#ff4020" -draw "polygon 16,0 21,14 10,14"
  -fill "#808090" -draw "polygon 10,64 2,92 10,84" -draw "polygon 21,64 29,92 21,84")
# The ribbon behind a missile, drawn additively: bright along its middle,
# black (adding nothing) at its edges.
zarnith_picture(missileTrail.png -size 8x32 gradient:black-white
  "(" +clone -flip ")" -append +repage)
# A beam drawn along its length (the texture's height): bright in the middle,
# clear at its edges, so the beam is blended by its alpha.
zarnith_game_picture(laserBeam.png -size 32x64 "xc:#c0f0ff"
  "(" -size 64x16 gradient:black-white "(" +clone -flip ")" -append -rotate 90 ")"
  -compose CopyOpacity -composite)
