# What `cmake --install` puts in place: the program (src/), its default data, a desktop
# entry and an icon. The installed program seeds each player's own data folder from
# PREFIX/share/munchora/data on first start (src/app/data_folder.h).
add_executable(make_icon ${CMAKE_CURRENT_LIST_DIR}/install/make_icon.cpp)
target_link_libraries(make_icon PRIVATE munchora_game)
set(MUNCHORA_ICON ${CMAKE_BINARY_DIR}/munchora.png)
add_custom_command(OUTPUT ${MUNCHORA_ICON}
    COMMAND make_icon ${MUNCHORA_ICON}
    DEPENDS make_icon
    COMMENT "Drawing the desktop icon")
add_custom_target(desktop_icon ALL DEPENDS ${MUNCHORA_ICON})

install(DIRECTORY ${MUNCHORA_RUN_DIR}/ DESTINATION share/munchora/data
    FILES_MATCHING PATTERN "*.bmp" PATTERN "*.jpg" PATTERN "*.wav" PATTERN "*.MID")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/install/munchora.desktop DESTINATION share/applications)
install(FILES ${MUNCHORA_ICON} DESTINATION share/icons/hicolor/32x32/apps)
