# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers, and runs
# what it builds under Wine, so the Windows tests run on a Linux machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The POSIX threading variant is named outright: the unsuffixed names are
# alternatives that may point at either variant.
set(telvaro_mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${telvaro_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${telvaro_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${telvaro_mingw_triple}-windres)

# Headers and libraries come from the Windows sysroot only; programs that run
# during the build come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${telvaro_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the test executables. It keeps its Windows installation (the
# prefix) in the build tree, so a build never touches the user's own ~/.wine
# and a fresh build starts from a fresh prefix. WINEDEBUG=-all keeps Wine's
# diagnostics off the standard error that the tests compare; the .NET and
# HTML engines, which only cost time when the prefix is made, are left out;
# and without DISPLAY Wine never reaches for a screen, so the tests run the
# same on a desktop and on a headless CI machine.
find_program(TELVARO_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(TELVARO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env
        -u DISPLAY
        "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
        WINEDEBUG=-all
        "WINEDLLOVERRIDES=mscoree,mshtml="
        "${TELVARO_WINE}")
endif()
