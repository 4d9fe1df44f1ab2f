tippwerk_test(tools_datatool_tests
    SOURCES DataToolTest.cpp
    LIBS tippwerk_exercise)
add_dependencies(tools_datatool_tests tippwerk-data)
add_dependencies(tools_datatool_tests tippwerk_data)
