# Where `cmake --install` puts Varnok: the program, and on Linux and the other freedesktop
# systems its desktop entry and its icon in the hicolor theme, plus the two READMEs.
include(GNUInstallDirs)

set(VARNOK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

if(TARGET varnok)
  # A windowed program: no console window on Windows, an application bundle on macOS.
  set_target_properties(varnok PROPERTIES
    WIN32_EXECUTABLE ON
    MACOSX_BUNDLE ON
    MACOSX_BUNDLE_BUNDLE_NAME Varnok
    MACOSX_BUNDLE_GUI_IDENTIFIER org.varnok.Varnok
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
  install(TARGETS varnok
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)
endif()

if(UNIX AND NOT APPLE)
  install(FILES ${VARNOK_PACKAGING_DIR}/varnok.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VARNOK_PACKAGING_DIR}/icons/varnok.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The PNG sizes rendered from the SVG by scripts/make-icons, <size>x<size>/apps/varnok.png.
  install(DIRECTORY ${VARNOK_PACKAGING_DIR}/icons/hicolor/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/engineering.md
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnok)
endif()
