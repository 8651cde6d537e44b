# Warning flags for the project's own targets. They are never made errors
# here: presets turn on CMAKE_COMPILE_WARNING_AS_ERROR, so nothing leaks to a
# build that includes this project.
add_library(telvaro_warnings INTERFACE)

if(MSVC)
    target_compile_options(telvaro_warnings INTERFACE /W4)
else()
    target_compile_options(telvaro_warnings INTERFACE
        -Wall
        -Wextra
        -Wpedantic
        # Implicit narrowing and sign changes are where byte arithmetic goes wrong.
        -Wconversion
        -Wsign-conversion
        -Wshadow)
endif()
