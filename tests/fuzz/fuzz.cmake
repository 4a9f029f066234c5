# libFuzzer targets: tests/fuzz/fuzz_NAME.cpp becomes the program fuzz_NAME, seeded from
# tests/fuzz/corpus/NAME/. Built only in the fuzz preset (clang); ./run-tests runs each
# briefly. Without MUNCHORA_FUZZ each target is still compiled with a small driver that
# replays its seed corpus, so the targets cannot rot and the seeds run under every build.
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/fuzz_*.cpp)
add_custom_target(fuzz_targets)
foreach(source ${FUZZ_SOURCES})
    get_filename_component(target ${source} NAME_WE)
    string(REPLACE "fuzz_" "" corpus ${target})
    if(MUNCHORA_FUZZ)
        add_executable(${target} ${source})
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    else()
        add_executable(${target} ${source} ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
        add_test(NAME ${target}_seeds
            COMMAND ${target} ${CMAKE_CURRENT_LIST_DIR}/corpus/${corpus}
            WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
        set_tests_properties(${target}_seeds PROPERTIES LABELS fuzz)
    endif()
    target_link_libraries(${target} PRIVATE munchora_game)
    add_dependencies(fuzz_targets ${target})
endforeach()
