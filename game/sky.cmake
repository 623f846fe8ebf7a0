# The sample game's sky and screen effects: the sky box's cube map, the sky
# plane mesh, the sky layer textures and the vignette picture. Included by
# CMakeLists.txt after materials.cmake (whose zarnith_mesh and
# zarnith_cube_map it uses); everything goes into data.tzn ("Media").

zarnith_mesh(skyplane.mesh MEDIA)

# The sky box behind everything ("skyboxBlack"): the night of the sky layers
# all round, with a few faint stars kept off the middle of each face.
set(SKYBOX_FACE "xc:#060a24" -fill "#5a6080"
  -draw "point 5,9" -draw "point 50,6" -draw "point 11,55" -draw "point 58,44" -draw "point 30,2")
zarnith_cube_map(skyboxBlack 64 PX ${SKYBOX_FACE} NX ${SKYBOX_FACE} PY ${SKYBOX_FACE}
  NY ${SKYBOX_FACE} PZ ${SKYBOX_FACE} NZ ${SKYBOX_FACE})

# Sky layers: a starry background, a nebula and clouds with alpha to lay
# over it, and a test pattern of two colour halves whose scrolling shows.
zarnith_picture(skyStars.png -size 256x256 "xc:#060a24"
  -fill "#ffffff" -draw "point 20,30" -draw "point 140,60" -draw "point 200,200"
  -draw "point 90,170" -draw "point 240,100" -draw "circle 60,220 61,221"
  -draw "circle 180,20 181,21")
# The first level's dawn: indigo overhead fading to rose toward the horizon,
# a few last stars still out.
zarnith_picture(skyDawn.png -size 256x256 "gradient:#202a5c-#c8709a"
  -fill "#ffffff" -draw "point 30,20" -draw "point 150,40" -draw "point 220,14" -draw "point 90,60")
zarnith_picture(skyNebula.png -size 256x256 xc:none
  -fill "#8040c080" -draw "ellipse 128,128 100,50 0,360")
zarnith_picture(skyClouds.png -size 512x128 xc:none
  -fill "#e0e8ff60" -draw "ellipse 100,64 80,24 0,360" -draw "ellipse 360,50 110,30 0,360")
zarnith_picture(skyHalves.png -size 64x64 "xc:#ff0000"
  -fill "#0000ff" -draw "rectangle 32,0 63,63")

# The vignette: clear over the middle three fifths, where the ship flies,
# then darkening toward the corners, never quite black. The runtime greys
# its black by one less the level's vignette strength: a strength near 1
# keeps it dark instead of a pale veil over the edges.
zarnith_picture(vignette.png -size 256x256 radial-gradient:none-black
  -channel A -level 60%,120% -evaluate pow 1.5 -evaluate multiply 0.75 +channel)
