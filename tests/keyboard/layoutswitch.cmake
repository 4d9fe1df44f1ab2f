# The keyboard-layout switch. The Xvfb test runs only when TIPPWERK_XVFB_DISPLAY names
# a running X server (for example Xvfb :7); it skips itself otherwise.
tippwerk_test(layoutswitch_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/LayoutSwitchTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LayoutSwitchRunnerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LayoutSwitchXvfbTest.cpp
    LIBS tippwerk_layoutswitch)
