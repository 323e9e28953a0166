# The Debian package: cpack -G DEB in the build folder makes
# pinxel_VERSION_amd64.deb. dpkg-shlibdeps finds the Qt 6 packages the
# library, the programs and the Designer plugin link.
# Debian's machine-readable copyright file: the licence's header, then its text.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE _pinxel_license)
string(REGEX REPLACE "\n\n" "\n .\n" _pinxel_license_body "${_pinxel_license}")
string(REGEX REPLACE "\n([^ ])" "\n \\1" _pinxel_license_body "${_pinxel_license_body}")
file(WRITE ${PROJECT_BINARY_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Pinxel

Files: *
Copyright: 2026 The Pinxel developers
License: MIT
 ${_pinxel_license_body}")
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${PINXEL_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME pinxel)
set(CPACK_PACKAGE_VENDOR "The Pinxel developers")
set(CPACK_PACKAGE_CONTACT "Pinxel developers <pinxel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Paint editor control for Qt applications")
set(CPACK_PACKAGE_DESCRIPTION "Pinxel gives a Qt application a complete paint editor in one embeddable\ncontrol, Dabbler, with a Qt Designer plugin, a CMake package, the pinxel\ncommand line tool and the API reference (HTML and the Qt help file pinxel.qch,\nin /usr/share/doc/pinxel).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The build keeps its debug information; the package does not.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The library is found beside the programs, not in the system's folders.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
# Text drawn by the editor needs a font; without one Qt draws boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt's own texts in the user's language, which pinxel-host loads.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The Python module runs in Debian's python3 with its PyQt6.
if(TARGET pinxel_python)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", python3-pyqt6")
endif()
include(CPack)
