# Shared compile settings and the helpers that keep logic and windows apart.

add_library(tippwerk_options INTERFACE)
target_compile_options(tippwerk_options INTERFACE -Wall -Wextra -Wsuggest-override)
target_compile_definitions(tippwerk_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS QT_NO_FOREACH QT_USE_QSTRINGBUILDER
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

set(TIPPWERK_LOGIC_TARGETS "" CACHE INTERNAL "")

# Fuzzing: everything with AddressSanitizer and UndefinedBehaviorSanitizer (undefined
# behaviour stops the run, so the fuzzer sees it), and the logic libraries with the
# coverage that steers libFuzzer. The fuzz targets themselves link libFuzzer.
if(TIPPWERK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "TIPPWERK_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# A logic library: standard C++ only. Qt Widgets (or Gui) must never reach it,
# directly or through a dependency; tippwerk_check_logic_targets() verifies that.
function(tippwerk_logic_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${name} PRIVATE tippwerk_options)
    if(TIPPWERK_FUZZ)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
    set(TIPPWERK_LOGIC_TARGETS ${TIPPWERK_LOGIC_TARGETS} ${name} CACHE INTERNAL "")
endfunction()

# A window library: built on top of its folder's logic library.
function(tippwerk_ui_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${name} PUBLIC Qt6::Widgets PRIVATE tippwerk_options)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()

function(_tippwerk_collect_links target out)
    set(seen ${${out}})
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(ilinks ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS links ilinks)
        if(NOT lib OR lib IN_LIST seen)
            continue()
        endif()
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
        list(APPEND seen ${lib})
        if(TARGET ${lib})
            _tippwerk_collect_links(${lib} seen)
        endif()
    endforeach()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(tippwerk_check_logic_targets)
    foreach(t IN LISTS TIPPWERK_LOGIC_TARGETS)
        set(all "")
        _tippwerk_collect_links(${t} all)
        foreach(lib IN LISTS all)
            if(lib MATCHES "Qt6?::(Widgets|Gui)" OR lib MATCHES "_ui$")
                message(FATAL_ERROR "Logic target ${t} must not depend on ${lib}")
            endif()
        endforeach()
    endforeach()
endfunction()

# A GoogleTest executable registered with CTest. UI tests pass UI to run offscreen.
function(tippwerk_test name)
    cmake_parse_arguments(T "UI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main tippwerk_options)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        TIPPWERK_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        TIPPWERK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TIPPWERK_INSTALL_DIR="${TIPPWERK_INSTALL_DIR}")
    if(T_UI)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
