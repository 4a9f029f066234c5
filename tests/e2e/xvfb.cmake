# The real-window test: munchora in an X window on Xvfb, driven by real key presses. Skipped
# (exit 77) where Xvfb or xdotool is missing.
add_test(NAME e2e_real_window_xvfb
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/xvfb_test.sh $<TARGET_FILE:munchora> ${MUNCHORA_RUN_DIR})
set_tests_properties(e2e_real_window_xvfb PROPERTIES
    LABELS e2e
    SKIP_RETURN_CODE 77
    TIMEOUT 120
    ENVIRONMENT "SDL_AUDIODRIVER=dummy")
