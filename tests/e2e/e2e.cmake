# End-to-end tests: each tests/e2e/test_*.py runs the real program headless on scripts of its
# own, each run in a fresh temporary folder seeded from the build's run/ folder, and checks
# the state trace, standard error and screenshots.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB E2E_CASES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/test_*.py)
foreach(case ${E2E_CASES})
    get_filename_component(name ${case} NAME_WE)
    add_test(NAME e2e_${name}
        COMMAND Python3::Interpreter -m unittest -v ${name}
        WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR})
    set_tests_properties(e2e_${name} PROPERTIES
        LABELS e2e
        ENVIRONMENT "MUNCHORA_EXE=$<TARGET_FILE:munchora>;MUNCHORA_RUN_DIR=${MUNCHORA_RUN_DIR};PYTHONDONTWRITEBYTECODE=1"
        TIMEOUT 900)
endforeach()
