# Soak tests: the trace checker and the script generator on doctored input, and a short soak
# (12 000 ticks, five minutes of game time) of the real program in every build. The full
# hour is run by hand: python3 tests/soak/soak.py --ticks 144000 --build build/asan
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME soak_trace_check
    COMMAND Python3::Interpreter -m unittest -v test_trace_check
    WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR})
set_tests_properties(soak_trace_check PROPERTIES LABELS soak ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
add_test(NAME soak_short
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/soak.py --ticks 12000
        --exe $<TARGET_FILE:munchora> --run-dir ${MUNCHORA_RUN_DIR})
set_tests_properties(soak_short PROPERTIES
    LABELS soak
    ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1"
    TIMEOUT 1200)
