# Where the tool and its documents go. On Windows the tool is a portable
# executable with its README and licence beside it; elsewhere it follows the
# GNU layout, with the man page.
include(GNUInstallDirs)

if(WIN32)
    install(TARGETS TELVARO RUNTIME DESTINATION .)
    install(FILES README.md LICENSE DESTINATION .)
else()
    install(TARGETS TELVARO RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    install(FILES man/TELVARO.1 DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    # Debian keeps a package's licence as its copyright file.
    install(FILES LICENSE
        DESTINATION "${CMAKE_INSTALL_DOCDIR}"
        RENAME copyright)
endif()
