# Where an installation puts things, relative to its prefix. The library and
# its "Cursors" folder stay together in lib; the programs find the library
# through their run path, so an unpacked package runs from any folder.
set(PINXEL_INSTALL_BINDIR bin)
set(PINXEL_INSTALL_LIBDIR lib)
set(PINXEL_INSTALL_INCLUDEDIR include)
set(PINXEL_INSTALL_DATADIR share/pinxel)
set(PINXEL_INSTALL_DOCDIR share/doc/pinxel)
set(PINXEL_INSTALL_CMAKEDIR ${PINXEL_INSTALL_LIBDIR}/cmake/Pinxel)

# Qt's plugin folder, taken relative to Qt's own prefix, so that under the
# prefix /usr the Designer plugin lands where Debian's Designer looks.
get_target_property(_pinxel_qmake Qt6::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${_pinxel_qmake} -query QT_INSTALL_PLUGINS OUTPUT_VARIABLE _pinxel_qt_plugins OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${_pinxel_qmake} -query QT_INSTALL_PREFIX OUTPUT_VARIABLE _pinxel_qt_prefix OUTPUT_STRIP_TRAILING_WHITESPACE)
file(RELATIVE_PATH PINXEL_INSTALL_QTPLUGINDIR ${_pinxel_qt_prefix} ${_pinxel_qt_plugins})
if(NOT PINXEL_INSTALL_QTPLUGINDIR OR PINXEL_INSTALL_QTPLUGINDIR MATCHES "^\\.\\.")
  set(PINXEL_INSTALL_QTPLUGINDIR ${PINXEL_INSTALL_LIBDIR}/qt6/plugins)
endif()

# Installed programs and plugins find libpinxel relative to themselves.
set(PINXEL_INSTALL_RPATH "$ORIGIN/../${PINXEL_INSTALL_LIBDIR}")
file(RELATIVE_PATH _pinxel_plugin_to_lib /${PINXEL_INSTALL_QTPLUGINDIR}/designer /${PINXEL_INSTALL_LIBDIR})
set(PINXEL_PLUGIN_RPATH "$ORIGIN/${_pinxel_plugin_to_lib}")
