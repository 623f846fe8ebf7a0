# The sample game's sounds: synthesised with sox at build time, packed into
# the four sound banks by the project's bank tool with the runtime's key,
# and the loose files the game names by default copied where the runtime
# looks for sound files. Included at the end of CMakeLists.txt.

find_program(SOX_PROGRAM sox REQUIRED)
set(SOUND_DIR ${GENERATED_DIR}/sounds)
set(SOUND_BANK_DIR ${GAME_DATA_DIR}/Sounds)
set(SOUND_FX_DIR ${GAME_DATA_DIR}/Sounds/SoundFX)
file(MAKE_DIRECTORY ${SOUND_FX_DIR} ${GAME_DATA_DIR}/Sounds/Music)

set(SOUND_FILES skyward_theme.ogg shot.wav impact.ogg charge.wav chargeReady.wav laser.wav explosion.flac powerup.ogg engine.wav
  hullScrape.wav shipHit.wav enemyWarp.wav bossAlarm.wav lock.wav lockFull.wav pause.ogg pause.wav Menu_Click.ogg item.wav game_start.ogg menuBack.mp3 menuGo.mp3)
list(TRANSFORM SOUND_FILES PREPEND ${SOUND_DIR}/ OUTPUT_VARIABLE SOUND_PATHS)
add_custom_command(OUTPUT ${SOUND_PATHS}
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/sounds/synthesize.sh
    ${SOX_PROGRAM} $<TARGET_FILE:zarnith_mp3> ${SOUND_DIR}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sounds/synthesize.sh zarnith_mp3
  COMMENT "Synthesising the sample game's sounds"
  VERBATIM)

# The runtime opens every bank with this key.
set(SOUND_BANK_KEY Murdane7)
set(SOUND_OUTPUTS)
function(zarnith_sound_bank bank)
  list(TRANSFORM ARGN PREPEND ${SOUND_DIR}/ OUTPUT_VARIABLE sources)
  add_custom_command(OUTPUT ${SOUND_BANK_DIR}/${bank}
    COMMAND $<TARGET_FILE:zarnith_bank> ${SOUND_BANK_KEY} ${SOUND_BANK_DIR}/${bank} ${sources}
    DEPENDS ${sources} zarnith_bank
    COMMENT "Packing the sound bank ${bank}"
    VERBATIM)
  set(SOUND_OUTPUTS ${SOUND_OUTPUTS} ${SOUND_BANK_DIR}/${bank} PARENT_SCOPE)
endfunction()
zarnith_sound_bank(musics.tzn skyward_theme.ogg)
zarnith_sound_bank(sounds.tzn shot.wav impact.ogg charge.wav chargeReady.wav laser.wav
  explosion.flac powerup.ogg hullScrape.wav shipHit.wav enemyWarp.wav bossAlarm.wav lock.wav lockFull.wav)
zarnith_sound_bank(sounds3D.tzn engine.wav)
zarnith_sound_bank(pauseSound.tzn pause.ogg)

foreach(sound pause.wav Menu_Click.ogg item.wav game_start.ogg menuBack.mp3 menuGo.mp3)
  add_custom_command(OUTPUT ${SOUND_FX_DIR}/${sound}
    COMMAND ${CMAKE_COMMAND} -E copy ${SOUND_DIR}/${sound} ${SOUND_FX_DIR}/${sound}
    DEPENDS ${SOUND_DIR}/${sound}
    VERBATIM)
  list(APPEND SOUND_OUTPUTS ${SOUND_FX_DIR}/${sound})
endforeach()

add_custom_target(sample_game_sounds DEPENDS ${SOUND_OUTPUTS})
add_dependencies(sample_game sample_game_sounds)
