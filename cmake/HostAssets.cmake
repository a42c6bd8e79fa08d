# The game's data drawn by another build for this machine, VANTARA_HOST_BUILD (its
# vantara_assets target): the pictures, sounds and desktop icons, copied into this build's
# data/ and icons/. A cross build (the Windows game) cannot run the generator; a second build
# of the same sources (the sanitizer build of scripts/test.sh) need not draw them again: the
# generator writes the same bytes every run.
if(NOT EXISTS ${VANTARA_HOST_BUILD}/data/.generated)
  message(FATAL_ERROR "${VANTARA_HOST_BUILD} holds no generated data: build its vantara_assets first")
endif()
add_custom_command(
  OUTPUT ${VANTARA_DATA_DIR}/.generated
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VANTARA_DATA_DIR} ${VANTARA_ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${VANTARA_HOST_BUILD}/data ${VANTARA_DATA_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${VANTARA_HOST_BUILD}/icons ${VANTARA_ICON_DIR}
  DEPENDS ${VANTARA_HOST_BUILD}/data/.generated
  COMMENT "Copying the game's pictures and sounds from ${VANTARA_HOST_BUILD}"
  VERBATIM)
add_custom_target(vantara_assets ALL DEPENDS ${VANTARA_DATA_DIR}/.generated)
# The shipped levels are copied into data/levels/ after it has been filled afresh.
add_dependencies(vantara_levels vantara_assets)
