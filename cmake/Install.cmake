# What a player gets from `cmake --install` and from the .deb that `cpack -G DEB` makes: the
# program, its data, and what the desktop needs to list it (menu entry, icons, metadata).
# The replay runner goes beside the program: it plays and checks level files, and the game
# runs it to check the proof of a level it imports. The other tools and tests stay in the
# build tree.
install(TARGETS vantara vantara-replay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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

# The Debian package. Its Depends come from dpkg-shlibdeps, from the libraries the program
# really links. Debian's icon cache and desktop database refresh through their own triggers,
# so the package needs no scripts, and removing it leaves nothing behind.
set(CPACK_PACKAGE_NAME vantara)
set(CPACK_PACKAGE_VENDOR "The Vantara team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "platformer with a grappling hook")
set(CPACK_PACKAGE_DESCRIPTION
  "Run, jump, wall-jump and ground-slam through hand-built levels, and cross them with a\n\
grappling hook that swings from platforms or pulls you to grapple points. Spikes, lava\n\
and enemies kill; a death restarts the level. A four-stage tutorial teaches the moves,\n\
then nine levels follow.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vantara team")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
