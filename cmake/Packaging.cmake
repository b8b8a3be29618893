# The Debian package, built by `make package` (CPack), of what Install.cmake installs.
include(${CMAKE_CURRENT_LIST_DIR}/Install.cmake)

set(CPACK_PACKAGE_NAME varnok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Varnok developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "stress and deflection check of a four-point-supported glass pane")
set(CPACK_PACKAGE_DESCRIPTION
    "Varnok is a small desktop calculator for structural engineers who design glass curtain
walls. From the site's wind and seismic data and the geometry of one rectangular pane held at
four points near its corners it computes the combined standard and design loads, the maximum
mid-span stress and deflection, and whether the deflection stays within one hundredth of the
long side. It has one window with a Chinese interface and saves nothing.")
set(CPACK_STRIP_FILES ON)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Varnok developers <maintainers@varnok.invalid>")
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  if(TARGET varnok)
    # dpkg-shlibdeps names the libraries the program links, the Qt 6 runtime among them
    # (libqt6widgets6, libqt6gui6 with its platform plugins, libqt6core6), with versions.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The labels, the button and the verdict are drawn in a KaiTi face.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-ukai")
  else()
    # No program yet: name the runtime it will need.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6, libqt6gui6, libqt6core6, fonts-arphic-ukai")
  endif()
endif()

include(CPack)
