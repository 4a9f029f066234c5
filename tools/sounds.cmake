# The game's default sound effects and music, synthesised and composed by our own tools.
add_executable(make_sounds ${CMAKE_CURRENT_LIST_DIR}/audio/make_sounds.cpp)
add_executable(make_music ${CMAKE_CURRENT_LIST_DIR}/audio/make_music.cpp)

set(SOUND_FILES ${MUNCHORA_RUN_DIR}/eat.wav ${MUNCHORA_RUN_DIR}/death.wav
    ${MUNCHORA_RUN_DIR}/over.wav)
add_custom_command(OUTPUT ${SOUND_FILES}
    COMMAND make_sounds ${MUNCHORA_RUN_DIR}
    DEPENDS make_sounds
    COMMENT "Synthesising the sound effects")
add_custom_command(OUTPUT ${MUNCHORA_RUN_DIR}/SONAT_A1.MID
    COMMAND make_music ${MUNCHORA_RUN_DIR}/SONAT_A1.MID
    DEPENDS make_music
    COMMENT "Writing the music")
add_custom_target(sounds DEPENDS ${SOUND_FILES} ${MUNCHORA_RUN_DIR}/SONAT_A1.MID)
add_dependencies(game_data sounds)
