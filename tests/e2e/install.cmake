# The installed program, started from another folder (see install_test.py).
add_test(NAME e2e_install
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/install_test.py ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_install PROPERTIES LABELS e2e TIMEOUT 300 ENVIRONMENT "SDL_AUDIODRIVER=dummy")
