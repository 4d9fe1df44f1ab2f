# Switching the system's keyboard layout to the user's keyboard (X11: setxkbmap).
# Included from this folder's CMakeLists.txt.
tippwerk_logic_library(tippwerk_layoutswitch
    ${CMAKE_CURRENT_LIST_DIR}/KeyboardLayoutSwitcher.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PosixProgramRunner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XkbLayoutSwitcher.cpp
)
