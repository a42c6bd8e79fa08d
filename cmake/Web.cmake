# The browser build (scripts/web.sh): the game as WebAssembly with WebGL 2, its page, and its
# data as one package the page downloads, all in build-web/site/, a folder any static web host
# can serve as it is.
# Its pictures and sounds are those the desktop build drew (VANTARA_HOST_BUILD).
if(NOT EXISTS "${VANTARA_HOST_BUILD}/data/.generated")
  message(FATAL_ERROR "VANTARA_HOST_BUILD must name a desktop build with its data drawn (scripts/web.sh)")
endif()
set(VANTARA_DATA_SOURCE ${VANTARA_HOST_BUILD}/data)

add_executable(vantara ${PROJECT_SOURCE_DIR}/game/main_web.cpp)
target_link_libraries(vantara PRIVATE
  vantara_game vantara_platform_web vantara_platform_audio)
set(web_pre ${PROJECT_SOURCE_DIR}/engine/platform/platform_web_pre.js)
target_link_options(vantara PRIVATE
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864 -sFORCE_FILESYSTEM=1
  -lidbfs.js -sEXPORTED_RUNTIME_METHODS=FS --pre-js ${web_pre})
set_target_properties(vantara PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/site LINK_DEPENDS ${web_pre})

# The site: everything a static host serves, in build-web/site/.
set(site ${CMAKE_BINARY_DIR}/site)
file(MAKE_DIRECTORY ${site})

# The pictures and sounds, packed for the page (vantara.data and the script that unpacks it
# under /data).
# The shipped levels are copied into it by this build (its data/ is the host's).
set(data_stamp ${VANTARA_DATA_SOURCE}/.generated)
file(GLOB shipped_levels CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/levels/*.level)
add_custom_command(
  OUTPUT ${site}/vantara.data ${site}/vantara-data.js
  COMMAND python3 ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager.py vantara.data
          --preload ${VANTARA_DATA_SOURCE}@/data --exclude .generated
          --js-output=vantara-data.js > /dev/null
  DEPENDS ${data_stamp} ${shipped_levels} vantara_levels
  WORKING_DIRECTORY ${site}
  COMMENT "Packing the game's data for the page"
  VERBATIM)

# The page itself: ours, not Emscripten's.
set(page_files index.html page.js)
set(page_outputs)
foreach(file IN LISTS page_files)
  add_custom_command(
    OUTPUT ${site}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/web/${file} ${site}/${file}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/web/${file})
  list(APPEND page_outputs ${site}/${file})
endforeach()
add_custom_command(
  OUTPUT ${site}/icon.png
  COMMAND ${CMAKE_COMMAND} -E copy ${VANTARA_DATA_SOURCE}/Icon.png ${site}/icon.png
  DEPENDS ${data_stamp})
add_custom_target(vantara_page ALL DEPENDS ${site}/icon.png
  ${page_outputs} ${site}/vantara.data ${site}/vantara-data.js)

# The replay runner under Node reads data/ beside its script, as the desktop one does.
file(CREATE_LINK ${VANTARA_DATA_SOURCE} ${CMAKE_BINARY_DIR}/data SYMBOLIC)
