# Binary packages: a .deb on Linux, a .zip of the portable executable on
# Windows. Run cpack (or the package presets) in a configured build tree.
set(CPACK_PACKAGE_NAME telvaro)
set(CPACK_PACKAGE_VENDOR "The TELVARO developers")
set(CPACK_PACKAGE_CONTACT "The TELVARO developers <dev@telvaro.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print the registry export line for a binary value ID")
set(CPACK_PACKAGE_DESCRIPTION
    "TELVARO turns one decimal number into the line a Windows registry export\n\
file uses for a binary value named ID that holds the number's two low\n\
bytes, and exits with the number of characters it printed. Scripts that\n\
write .reg files call it.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_SYSTEM_NAME win64)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The dependencies are read off the binary: none for the static release
    # build, the C library for a dynamically linked one.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
