# The install layout, under any prefix, as Debian keeps games: the game in games/, its data in
# share/games/korvanta/ (the game finds it from its own folder, so the two must keep their
# distance), and what a desktop and a software centre want to show it.
install(TARGETS korvanta RUNTIME DESTINATION ${KORVANTA_INSTALL_BINDIR})

# The music plays from Debian's freepats, which the package depends on, rather than from a
# converted copy of its patches: the installed index names them where freepats keeps them.
set(FREEPATS_INDEX /etc/timidity/freepats.cfg)
set(KORVANTA_INSTRUMENT_INDEX ${CMAKE_BINARY_DIR}/freepats.cfg)
add_custom_command(
  OUTPUT ${KORVANTA_INSTRUMENT_INDEX}
  COMMAND ${CMAKE_COMMAND} -DFREEPATS_CFG=${FREEPATS_INDEX} -DOUTPUT=${KORVANTA_INSTRUMENT_INDEX}
          -P ${CMAKE_SOURCE_DIR}/packaging/make_instrument_index.cmake
  DEPENDS ${FREEPATS_INDEX} ${CMAKE_SOURCE_DIR}/packaging/make_instrument_index.cmake
  COMMENT "Indexing the freepats instruments for the installed game")
add_custom_target(instrument_index ALL DEPENDS ${KORVANTA_INSTRUMENT_INDEX})
install(FILES ${CMAKE_BINARY_DIR}/korvanta.dat ${KORVANTA_INSTRUMENT_INDEX}
        DESTINATION ${KORVANTA_INSTALL_DATADIR})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/korvanta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${KORVANTA_ICON_SIZES})
  install(FILES ${KORVANTA_ICON_DIR}/korvanta-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME korvanta.png)
endforeach()

# The AppStream description that software centres show, with the README's screenshots. Its
# images must be web addresses, so they are taken from the project's home page.
set(KORVANTA_HOMEPAGE "https://korvanta.example.org"
    CACHE STRING "The project's home page, which serves the screenshots under screenshots/")
# Its id is the home page's domain turned round, as AppStream asks.
set(KORVANTA_APPSTREAM_ID org.example.korvanta
    CACHE STRING "The AppStream id: the reversed domain of the home page, and the name")
configure_file(${CMAKE_SOURCE_DIR}/packaging/korvanta.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${KORVANTA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${KORVANTA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual page and changelog are installed compressed, without a time stamp, so the same
# source always makes the same package.
function(korvanta_compressed source compressed)
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND gzip -9 -n -c ${source} > ${compressed}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
endfunction()
set(KORVANTA_MANUAL ${CMAKE_BINARY_DIR}/korvanta.6.gz)
set(KORVANTA_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
korvanta_compressed(${CMAKE_SOURCE_DIR}/packaging/korvanta.6 ${KORVANTA_MANUAL})
korvanta_compressed(${CMAKE_SOURCE_DIR}/packaging/changelog ${KORVANTA_CHANGELOG})
add_custom_target(package_documents ALL DEPENDS ${KORVANTA_MANUAL} ${KORVANTA_CHANGELOG})
install(FILES ${KORVANTA_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${KORVANTA_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvanta)

# Debian builds its packages hardened: the library functions check the sizes they can know,
# and the program's relocations are resolved at start and then made read-only. Fortifying
# needs optimisation, and is left to AddressSanitizer where that checks the same calls.
if(NOT KORVANTA_SANITIZE)
  set(KORVANTA_FORTIFY $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  target_compile_definitions(korvanta_game PRIVATE ${KORVANTA_FORTIFY})
  target_compile_definitions(korvanta PRIVATE ${KORVANTA_FORTIFY})
endif()
target_link_options(korvanta PRIVATE LINKER:-z,relro,-z,now)

# `cpack` in the build folder makes the Debian package. Its Depends are read from the libraries
# the executable links (dpkg-shlibdeps), with freepats for the music's instruments.
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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KORVANTA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS freepats)
include(CPack)
