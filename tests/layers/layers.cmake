# The include arrows between the layers: a back arrow fails this test.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME layers_include_arrows
    COMMAND Python3::Interpreter -m unittest -v test_layers
    WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR})
set_tests_properties(layers_include_arrows PROPERTIES
    ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1"
    LABELS unit)
