# The game's default pictures, painted at build time into the run folder by make_pictures.
file(GLOB PICTURE_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/pictures/*.cpp)
add_executable(make_pictures ${CMAKE_CURRENT_LIST_DIR}/make_pictures.cpp ${PICTURE_TOOL_SOURCES})
target_include_directories(make_pictures PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(make_pictures PRIVATE JPEG::JPEG Freetype::Freetype Fontconfig::Fontconfig)

set(PICTURE_FILES wood.bmp board.bmp top.bmp LandScape.bmp Enemy1.bmp Hero.bmp Shadow.bmp First.jpg)
list(TRANSFORM PICTURE_FILES PREPEND ${MUNCHORA_RUN_DIR}/ OUTPUT_VARIABLE PICTURE_OUTPUTS)
add_custom_command(OUTPUT ${PICTURE_OUTPUTS}
    COMMAND make_pictures ${MUNCHORA_RUN_DIR}
    DEPENDS make_pictures
    COMMENT "Painting the game's pictures")
add_custom_target(pictures DEPENDS ${PICTURE_OUTPUTS})
add_dependencies(game_data pictures)
