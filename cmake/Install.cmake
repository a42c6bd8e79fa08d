# What a player gets from `cmake --install` and from the .deb that `cpack -G DEB` makes: the
# program and its data where Debian's policy puts a game's, what the desktop needs to list it
# (menu entry, icons, metadata), the manual pages, the copyright and the changelog. The replay
# runner goes beside the program: it plays and checks level files, and the game runs it to
# check the proof of a level it imports. The other tools and the tests stay in the build tree.
install(TARGETS vantara vantara-replay RUNTIME DESTINATION ${VANTARA_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${VANTARA_DATA_DIR}/
  DESTINATION ${VANTARA_INSTALL_DATA_DIR}/data
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE
  PATTERN .generated EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VANTARA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VANTARA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS VANTARA_ICON_SIZES)
  install(FILES ${VANTARA_ICON_DIR}/${size}x${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${VANTARA_APP_ID}.png)
endforeach()

# The manual pages and the changelog go compressed as Debian wants them: gzip -9, without the
# file's name and time, so that the same sources give the same package.
set(VANTARA_DOC_DIR ${CMAKE_BINARY_DIR}/packaging)
set(VANTARA_COMPRESSED_DOCS)
foreach(doc IN ITEMS vantara.6:vantara.6.gz vantara-replay.6:vantara-replay.6.gz
                     changelog:changelog.Debian.gz)
  string(REPLACE ":" ";" doc ${doc})
  list(GET doc 0 source)
  list(GET doc 1 compressed)
  add_custom_command(OUTPUT ${VANTARA_DOC_DIR}/${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTARA_DOC_DIR}
    COMMAND sh -c "gzip -9n -c '${PROJECT_SOURCE_DIR}/packaging/${source}' > '${VANTARA_DOC_DIR}/${compressed}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source}
    VERBATIM)
  list(APPEND VANTARA_COMPRESSED_DOCS ${VANTARA_DOC_DIR}/${compressed})
endforeach()
add_custom_target(vantara_docs ALL DEPENDS ${VANTARA_COMPRESSED_DOCS})
install(FILES ${VANTARA_DOC_DIR}/vantara.6.gz ${VANTARA_DOC_DIR}/vantara-replay.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${VANTARA_DOC_DIR}/changelog.Debian.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantara)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantara.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vantara)

# The Debian package. Its Depends come from dpkg-shlibdeps, from the libraries the program
# really links. Debian's icon cache, desktop database and manual index refresh through their
# own triggers, so the package needs no scripts, and removing it leaves nothing behind.
# packaging/changelog's first entry names the same version: lintian checks them against each
# other.
set(CPACK_PACKAGE_NAME vantara)
set(CPACK_PACKAGE_VENDOR "The Vantara team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "platformer with a grappling hook")
set(CPACK_PACKAGE_DESCRIPTION
  "Run, jump, wall-jump and ground-slam through hand-built levels, and cross\n\
them with a grappling hook that swings from platforms or pulls you to\n\
grapple points. Spikes, lava and enemies kill; a death restarts the level.\n\
A four-stage tutorial teaches the moves, then nine levels follow.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vantara team <team@vantara.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
