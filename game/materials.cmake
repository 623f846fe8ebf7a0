# The sample game's materials: meshes converted from hand-written .mesh.xml
# by Ogre's converter, the reflection cube map assembled from six faces, and
# the textures of meshes, sprites, shots, particles and pictures drawn with
# ImageMagick. Included by CMakeLists.txt; its lists go into the archives:
# MEDIA_GENERATED into data.tzn ("Media"), GAME_GENERATED into game.tzn
# ("GAMERSC").

find_program(OGRE_XML_CONVERTER OgreXMLConverter REQUIRED)

set(MEDIA_GENERATED)
set(GAME_GENERATED)
file(MAKE_DIRECTORY ${GENERATED_DIR}/media ${GENERATED_DIR}/game)

# A binary mesh of meshes/<name>.xml, into the list of `archive` (MEDIA or GAME).
function(zarnith_mesh name archive)
  string(TOLOWER ${archive} folder)
  set(output ${GENERATED_DIR}/${folder}/${name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${OGRE_XML_CONVERTER} -q -log ${GENERATED_DIR}/OgreXMLConverter.log
      ${CMAKE_CURRENT_SOURCE_DIR}/meshes/${name}.xml ${output}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/meshes/${name}.xml
    COMMENT "Converting ${name}"
    VERBATIM)
  set(${archive}_GENERATED ${${archive}_GENERATED} ${output} PARENT_SCOPE)
endfunction()

# A picture of the game's own (group "GAMERSC"), drawn like zarnith_picture.
function(zarnith_game_picture name)
  add_custom_command(OUTPUT ${GENERATED_DIR}/game/${name}
    COMMAND ${CONVERT_PROGRAM} ${ARGN}
      -depth 8 -define png:exclude-chunks=date,time ${GENERATED_DIR}/game/${name}
    COMMENT "Drawing ${name}"
    VERBATIM)
  set(GAME_GENERATED ${GAME_GENERATED} ${GENERATED_DIR}/game/${name} PARENT_SCOPE)
endfunction()

# Stand-ins: the unit plane of sprites, the box of a missing mesh, the flat
# normal map of a missing one.
zarnith_mesh(plane1U.mesh MEDIA)
zarnith_mesh(interro.mesh MEDIA)
zarnith_picture(notFoundNormals.tga -size 8x8 "xc:rgb(128,128,255)" -type TrueColor)

# A cube map <name>.dds of "Media" whose faces of `size` pixels are drawn
# by ImageMagick from the arguments after PX, NX, PY, NY, PZ and NZ (each
# list starts with the face's fill), in the DDS order +X, -X, +Y, -Y, +Z, -Z.
function(zarnith_cube_map name size)
  cmake_parse_arguments(PARSE_ARGV 2 FACE "" "" "PX;NX;PY;NY;PZ;NZ")
  set(faces)
  foreach(face PX NX PY NY PZ NZ)
    string(TOLOWER ${face} suffix)
    set(raw ${GENERATED_DIR}/media/${name}_${suffix}.raw)
    add_custom_command(OUTPUT ${raw}
      COMMAND ${CONVERT_PROGRAM} -size ${size}x${size} ${FACE_${face}} -depth 8 rgba:${raw}
      VERBATIM)
    list(APPEND faces ${raw})
  endforeach()
  set(output ${GENERATED_DIR}/media/${name}.dds)
  add_custom_command(OUTPUT ${output}
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/scripts/cubemap-dds.sh ${output} ${size} ${faces}
    DEPENDS ${faces} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/cubemap-dds.sh
    COMMENT "Assembling ${name}.dds"
    VERBATIM)
  set(MEDIA_GENERATED ${MEDIA_GENERATED} ${output} PARENT_SCOPE)
endfunction()

# The default reflection: a soft sky above, dark ground below.
set(REFLECTION_SIDE "gradient:#b8d4f0-#4a5a70")
zarnith_cube_map(ReflectionMap_blurry 32
  PX ${REFLECTION_SIDE} NX ${REFLECTION_SIDE} PY "xc:#d8e8ff" NY "xc:#303840"
  PZ ${REFLECTION_SIDE} NZ ${REFLECTION_SIDE})

# A crate of two sub-materials, described in gamebox.materials3D: planked
# sides with a normal map (the mesh stores no tangents) and a lid.
zarnith_mesh(crate.mesh GAME)
zarnith_game_picture(crateSide.png -size 128x128 "xc:#a0602a"
  -fill "#6a3a14" -draw "rectangle 0,40 127,47" -draw "rectangle 0,88 127,95"
  -fill none -stroke "#4a2808" -strokewidth 8 -draw "rectangle 4,4 123,123")
zarnith_game_picture(crateSide_n.png -size 128x128 "xc:rgb(128,128,255)"
  -fill "rgb(128,40,200)" -draw "rectangle 0,40 127,43" -draw "rectangle 0,88 127,91"
  -fill "rgb(128,216,200)" -draw "rectangle 0,44 127,47" -draw "rectangle 0,92 127,95")
zarnith_game_picture(crateSpecular.png -size 8x8 "xc:#707070")
zarnith_game_picture(crateTop.png -size 128x128 "xc:#2a8c8c"
  -fill none -stroke "#e8e0c0" -strokewidth 10 -draw "line 12,12 115,115" -draw "line 115,12 12,115")

# Scenery of "gamebox.background": a rock whose body comes from its plain
# companion "rock.meshColl", a normal-mapped pillar (stored without tangents)
# and a 256 x 128 cloud sprite.
zarnith_mesh(rock.mesh GAME)
zarnith_mesh(rock.meshColl GAME)
zarnith_mesh(pillar.mesh GAME)
zarnith_game_picture(rockStone.png -size 128x128 "xc:#c03020"
  -fill "#e05030" -draw "circle 40,40 40,20" -draw "circle 96,88 96,70")
zarnith_game_picture(pillarStone.png -size 128x128 "xc:#3050d0"
  -fill "#2038a0" -draw "rectangle 0,60 127,67")
zarnith_game_picture(pillarStone_n.png -size 128x128 "xc:rgb(128,128,255)"
  -fill "rgb(128,40,200)" -draw "rectangle 0,60 127,63"
  -fill "rgb(128,216,200)" -draw "rectangle 0,64 127,67")
zarnith_game_picture(cloudBank.png -size 256x128 xc:none
  -fill "#f0f4ff" -draw "ellipse 128,64 120,56 0,360")

# Sprites: the ship's sheet of four frames, one colour each.
zarnith_game_picture(shipSheet.png -size 256x64 xc:none
  -fill "#ff2020" -draw "circle 32,32 32,4"
  -fill "#20ff20" -draw "circle 96,32 96,4"
  -fill "#2040ff" -draw "circle 160,32 160,4"
  -fill "#ffff20" -draw "circle 224,32 224,4")
# Shots: a blue shot of two frames, a laser sheet of 4 x 1 frames of 128 x 128.
zarnith_game_picture(shotBlue.png -size 64x32 xc:none
  -fill "#60a0ff" -draw "circle 16,16 16,3" -fill "#a0d0ff" -draw "circle 48,16 48,6")
zarnith_game_picture(laserRed.png -size 512x128 xc:none
  -fill "#ff3030" -draw "rectangle 0,40 511,87"
  -fill "#ffd0d0" -draw "rectangle 0,56 127,71" -draw "rectangle 128,52 255,75"
  -draw "rectangle 256,56 383,71" -draw "rectangle 384,60 511,67")
# Particles: a soft spark with alpha and an additive glow without.
zarnith_game_picture(sparkParticle.png -size 64x64 radial-gradient:white-none)
zarnith_game_picture(sparkGlow.jpg -size 64x64 "radial-gradient:#ffd060-black")
# An overlay picture of two frames.
zarnith_game_picture(hudBlink.png -size 256x128 xc:none
  -fill "#ffffff" -draw "roundrectangle 8,8 119,119 16,16"
  -fill "#ff8000" -draw "roundrectangle 136,8 247,119 16,16")
# An overlay widget's picture: 1024 x 512, two frames of 512 x 512 (green, blue).
zarnith_game_picture(widgetCard.png -size 1024x512 "xc:#30c050"
  -fill "#3050ff" -draw "rectangle 512,0 1023,511")
# Effects: an explosion sheet of 4 x 2 frames of 128 x 128 (a fireball
# growing, then fading to smoke), a looping shield sheet of 4 x 1 frames of
# 64 x 256, a smoke puff, and the extra-life glow.
zarnith_game_picture(explosionSheet.png -size 512x256 xc:none
  -fill "#fff0a0" -draw "circle 64,64 116,64"
  -fill "#ffd040" -draw "circle 192,64 228,64"
  -fill "#ff9020" -draw "circle 320,64 342,64"
  -fill "#ff6010" -draw "circle 448,64 458,64"
  -fill "#c04010" -draw "circle 64,192 72,192"
  -fill "#803018" -draw "circle 192,192 202,192"
  -fill "#605050" -draw "circle 320,192 334,192"
  -fill "#404040" -draw "circle 448,192 468,192")
zarnith_game_picture(forceFieldSheet.png -size 256x256 xc:none
  -fill "#4080ff" -draw "rectangle 8,0 23,255"
  -fill "#60a0ff" -draw "rectangle 72,0 87,255"
  -fill "#80c0ff" -draw "rectangle 136,0 151,255"
  -fill "#a0e0ff" -draw "rectangle 200,0 215,255")
zarnith_game_picture(smokePuff.png -size 64x64 "radial-gradient:#c0c0c0-none")
zarnith_game_picture(1up.tga -size 64x64 "radial-gradient:#40ff60-none")
# Sun lens flares and glow sprites, additive on black: a soft glow, a bright
# sun disc, a ringed and a soft halo, two streaks, a sun glow and a star.
zarnith_picture(flareSunGlow.png -size 128x128 "radial-gradient:#fff0c0-black")
zarnith_picture(flareSun.png -size 64x64 xc:black -fill white -draw "circle 32,32 32,18" -blur 0x3)
zarnith_picture(flareHaloRing.png -size 128x128 xc:black
  -fill none -stroke "#c0c0c0" -strokewidth 6 -draw "circle 64,64 64,20" -blur 0x2)
zarnith_picture(flareHaloSoft.png -size 128x128 "radial-gradient:#a0a0a0-black")
zarnith_picture(glowStreakWide.png -size 256x64 xc:black
  -fill white -draw "ellipse 128,32 124,10 0,360" -blur 0x6)
zarnith_picture(glowStreakThin.png -size 256x32 xc:black
  -fill white -draw "ellipse 128,16 124,3 0,360" -blur 0x2)
zarnith_picture(glowSun.png -size 128x128 "radial-gradient:#ffe8a0-black")
zarnith_picture(glowStar.png -size 128x128 xc:black -fill white
  -draw "polygon 64,0 70,58 128,64 70,70 64,128 58,70 0,64 58,58" -blur 0x2)
