# Reference runs: traces and screenshots that must stay exactly as recorded (golden.py).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME golden_runs
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/golden.py check
        --exe $<TARGET_FILE:munchora> --data ${MUNCHORA_RUN_DIR}
        --keep ${CMAKE_BINARY_DIR}/golden-differences)
set_tests_properties(golden_runs PROPERTIES
    ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1"
    LABELS e2e
    TIMEOUT 900)
