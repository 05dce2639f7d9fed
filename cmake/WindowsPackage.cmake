# The release archive of the Windows program, Tessary-<version>-windows-x64.zip: a folder Tessary
# with the two executables, the files delivered beside them, and the licences of what is linked
# into them: Qt, libarchive with zlib and liblzma, and MinGW-w64's run-time libraries. Qt is
# linked statically, so the archive names the Qt source it was built from and how to link Tessary
# against another build of it; the texts come from the build machine, where Debian keeps each
# package's copyright file and the common licences.
set(TESSARY_QT_SOURCE "Qt ${Qt6_VERSION}" CACHE STRING
    "The Qt source the Windows program links, as its licence notice names it")

set(licences ${CMAKE_BINARY_DIR}/licences)
configure_file(${PROJECT_SOURCE_DIR}/cmake/licences.txt.in ${licences}/README.txt @ONLY)
install(FILES ${licences}/README.txt DESTINATION licences)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licences RENAME Qt-LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licences RENAME GPL-3.txt)
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION licences
        RENAME Qt-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licences
        RENAME MinGW-w64-copyright.txt)
install(FILES /usr/share/doc/libarchive13/copyright DESTINATION licences
        RENAME libarchive-copyright.txt)
install(FILES /usr/share/doc/libz-mingw-w64-dev/copyright DESTINATION licences
        RENAME zlib-copyright.txt)
install(FILES /usr/share/doc/liblzma5/copyright DESTINATION licences
        RENAME liblzma-copyright.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME Tessary-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /Tessary)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
