# The sprites of the sample game's items ("gamebox.items", "gamebox.sprites"):
# a coin turning over four frames, and one picture each for the extra life,
# the bomb, the gold, the multiplier and the three medals. Included by
# CMakeLists.txt after materials.cmake, whose zarnith_game_picture it uses.

zarnith_game_picture(itemCoin.png -size 128x32 xc:none
  -fill "#ffd040" -draw "ellipse 16,16 14,14 0,360" -draw "ellipse 48,16 9,14 0,360"
  -draw "ellipse 80,16 3,14 0,360" -draw "ellipse 112,16 9,14 0,360")
zarnith_game_picture(itemLife.png -size 64x64 xc:none
  -fill "#40ff60" -draw "circle 32,32 32,6" -fill white -draw "rectangle 28,16 35,47"
  -draw "rectangle 16,28 47,35")
zarnith_game_picture(itemBomb.png -size 64x64 xc:none
  -fill "#303030" -draw "circle 32,36 32,12" -fill "#ff6010" -draw "rectangle 30,6 33,16")
zarnith_game_picture(itemGold.png -size 64x64 xc:none
  -fill "#ffc020" -draw "polygon 32,4 60,32 32,60 4,32")
zarnith_game_picture(itemMultiplier.png -size 64x64 xc:none
  -fill "#a040ff" -draw "circle 32,32 32,4" -stroke white -strokewidth 6
  -draw "line 20,20 44,44" -draw "line 44,20 20,44")
zarnith_game_picture(medalBronze.png -size 64x64 xc:none -fill "#b06830" -draw "circle 32,32 32,6")
zarnith_game_picture(medalSilver.png -size 64x64 xc:none -fill "#c8d0d8" -draw "circle 32,32 32,6")
zarnith_game_picture(medalGold.png -size 64x64 xc:none -fill "#ffd700" -draw "circle 32,32 32,6")
