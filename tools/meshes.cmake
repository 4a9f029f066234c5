# The compiled-in meshes: make_meshes designs the Hero, the Enemy and the apple from
# parametric pieces and writes their constant tables as C++ sources into the generated folder;
# they are rebuilt whenever the generator changes.
file(GLOB MAKE_MESHES_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/meshes/*.cpp)
add_executable(make_meshes ${MAKE_MESHES_SOURCES})
# Its checks (counts, windings, the crest's sway) guard the data, so they stay on in every build.
target_compile_options(make_meshes PRIVATE -UNDEBUG)

set(MESH_TABLE_SOURCES
    ${MUNCHORA_GENERATED_DIR}/mesh_hero_data.cpp
    ${MUNCHORA_GENERATED_DIR}/mesh_enemy_data.cpp
    ${MUNCHORA_GENERATED_DIR}/mesh_apple_data.cpp)
add_custom_command(OUTPUT ${MESH_TABLE_SOURCES}
    COMMAND make_meshes ${MUNCHORA_GENERATED_DIR}
    DEPENDS make_meshes
    COMMENT "Writing the mesh tables")
add_custom_target(mesh_tables DEPENDS ${MESH_TABLE_SOURCES})
list(APPEND MUNCHORA_GENERATED_SOURCES ${MESH_TABLE_SOURCES})
