# The install layout, under any prefix: the game in bin/, its resource files in share/korvanta/
# (the game finds them from its own folder, so the two must keep their distance), and what a
# desktop wants to show it in a menu.
install(TARGETS korvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/korvanta.dat ${CMAKE_BINARY_DIR}/patches.dat
        DESTINATION ${KORVANTA_INSTALL_DATADIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/korvanta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${KORVANTA_ICON_SIZES})
  install(FILES ${KORVANTA_ICON_DIR}/korvanta-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME korvanta.png)
endforeach()

# Manual pages are installed compressed, without a time stamp, so the same source always
# makes the same package.
set(KORVANTA_MANUAL ${CMAKE_BINARY_DIR}/korvanta.6.gz)
add_custom_command(
  OUTPUT ${KORVANTA_MANUAL}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/korvanta.6 ${CMAKE_BINARY_DIR}
  COMMAND gzip -9 -n -f ${CMAKE_BINARY_DIR}/korvanta.6
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/korvanta.6
  COMMENT "Compressing the manual page")
add_custom_target(manual ALL DEPENDS ${KORVANTA_MANUAL})
install(FILES ${KORVANTA_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# `cpack` in the build folder makes the Debian package. Its Depends are read from the libraries
# the executable links (dpkg-shlibdeps); freepats is not among them, since patches.dat is
# installed with the game.
set(KORVANTA_MAINTAINER "Korvanta developers <korvanta@example.org>"
    CACHE STRING "The Maintainer line of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action puzzle game: lead power through to the lamps")
set(CPACK_PACKAGE_DESCRIPTION
"Blocks of conductor tiles drop into your board, column after column. Turn
them and drag them sideways so that power runs from the left edge of the
board to the lamps on the right; once no lit lamp is still charging they all
fire together and clear every tile on a powered path. One player alone, two
side by side, or versus, where every clear drops blocks onto the other
board. Keeps a table of the ten best scores.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KORVANTA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
