# Tests of the Windows build, run under wine by the native build's ctest: the cross build
# writes them into windows_tests.cmake, which a native build configured with
# -DSAHIFEX_WINDOWS_BUILD=<this build> includes in its own test run.

set(wine_session ${PROJECT_SOURCE_DIR}/scripts/wine-session --prefix ${PROJECT_BINARY_DIR}/wine-prefix)

# add_wine_test(NAME name COMMAND target-or-program [args...] [WM])
#   WM: in an X session with a window manager (for tests that show windows).
function(add_wine_test)
    cmake_parse_arguments(PARSE_ARGV 0 arg "WM" "NAME" "COMMAND")
    list(POP_FRONT arg_COMMAND program)
    set(session ${wine_session})
    if(arg_WM)
        list(APPEND session --wm)
    endif()
    if(TARGET ${program})
        set(program ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}>)
    endif()
    list(JOIN session "\" \"" session)
    list(JOIN program "\" \"" program)
    set(args "")
    foreach(arg IN LISTS arg_COMMAND)
        string(APPEND args " \"${arg}\"")
    endforeach()
    string(CONCAT test
        "add_test(windows.${arg_NAME} \"${session}\" -- \"${program}\"${args})\n"
        "set_tests_properties(windows.${arg_NAME} PROPERTIES LABELS windows TIMEOUT 600 "
        "WORKING_DIRECTORY \"${CMAKE_RUNTIME_OUTPUT_DIRECTORY}\")\n")
    set_property(GLOBAL APPEND_STRING PROPERTY SAHIFEX_WINE_TESTS "${test}")
endfunction()

function(write_wine_tests)
    get_property(tests GLOBAL PROPERTY SAHIFEX_WINE_TESTS)
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/windows_tests.cmake CONTENT "${tests}")
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL write_wine_tests)
