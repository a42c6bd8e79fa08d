# The libraries of the browser build (Emscripten), under the same target names as the
# desktop's pkg-config targets, so that the engine and the game link them the same way.
#
# Emscripten itself brings WebGL 2 (OpenGL ES 3.0), OpenAL and the browser's events. zlib,
# libspng and Dear ImGui have no Emscripten build in Debian: scripts/web.sh fetches their
# Debian source packages into VANTARA_WEB_SOURCES and they are compiled here, once (the
# objects stay in the build folder). stb's parts are compiled from libstb-dev's headers.
# There are no threads in the browser build: a page that may use them needs headers a static
# host cannot be trusted to send.
set(VANTARA_WEB_SOURCES ${CMAKE_BINARY_DIR}/deps/src CACHE PATH
    "Folder holding the Debian source packages of zlib, libspng and Dear ImGui")

function(vantara_web_source_dir variable pattern)
  file(GLOB found LIST_DIRECTORIES true "${VANTARA_WEB_SOURCES}/${pattern}")
  list(FILTER found EXCLUDE REGEX "\\.(dsc|tar\\..*)$")
  if(NOT found)
    message(FATAL_ERROR "No ${pattern} in ${VANTARA_WEB_SOURCES}: scripts/web.sh fetches it")
  endif()
  list(GET found 0 dir)
  set(${variable} ${dir} PARENT_SCOPE)
endfunction()

# The libraries' own code is not ours to hold to our warnings.
set(vantara_web_quiet -w)

vantara_web_source_dir(ZLIB_DIR "zlib-*")
add_library(vantara_web_zlib STATIC
  ${ZLIB_DIR}/adler32.c ${ZLIB_DIR}/compress.c ${ZLIB_DIR}/crc32.c ${ZLIB_DIR}/deflate.c
  ${ZLIB_DIR}/infback.c ${ZLIB_DIR}/inffast.c ${ZLIB_DIR}/inflate.c ${ZLIB_DIR}/inftrees.c
  ${ZLIB_DIR}/trees.c ${ZLIB_DIR}/uncompr.c ${ZLIB_DIR}/zutil.c)
target_include_directories(vantara_web_zlib SYSTEM PUBLIC ${ZLIB_DIR})
target_compile_options(vantara_web_zlib PRIVATE ${vantara_web_quiet})
add_library(PkgConfig::ZLIB ALIAS vantara_web_zlib)

vantara_web_source_dir(SPNG_DIR "libspng-*")
add_library(vantara_web_spng STATIC ${SPNG_DIR}/spng/spng.c)
target_include_directories(vantara_web_spng SYSTEM PUBLIC ${SPNG_DIR}/spng)
target_compile_definitions(vantara_web_spng PUBLIC SPNG_STATIC)
target_compile_options(vantara_web_spng PRIVATE ${vantara_web_quiet})
target_link_libraries(vantara_web_spng PUBLIC vantara_web_zlib)
add_library(PkgConfig::SPNG ALIAS vantara_web_spng)

# The debug overlay's core and its OpenGL back end, on OpenGL ES 3.0.
vantara_web_source_dir(IMGUI_DIR "imgui-*")
add_library(vantara_web_imgui STATIC
  ${IMGUI_DIR}/imgui.cpp ${IMGUI_DIR}/imgui_draw.cpp ${IMGUI_DIR}/imgui_tables.cpp
  ${IMGUI_DIR}/imgui_widgets.cpp ${IMGUI_DIR}/backends/imgui_impl_opengl3.cpp)
target_include_directories(vantara_web_imgui SYSTEM PUBLIC ${IMGUI_DIR})
target_compile_definitions(vantara_web_imgui PUBLIC IMGUI_IMPL_OPENGL_ES3)
target_compile_options(vantara_web_imgui PRIVATE ${vantara_web_quiet})
add_library(PkgConfig::IMGUI ALIAS vantara_web_imgui)

# stb: the headers of libstb-dev, with their code compiled once here.
find_path(STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(stb_code ${CMAKE_BINARY_DIR}/generated/stb_code.c)
file(WRITE ${stb_code}.in
  "#define STB_IMAGE_IMPLEMENTATION\n#include <stb_image.h>\n"
  "#define STB_IMAGE_WRITE_IMPLEMENTATION\n#include <stb_image_write.h>\n"
  "#include <stb_vorbis.h>\n")
configure_file(${stb_code}.in ${stb_code} COPYONLY)
add_library(vantara_web_stb STATIC ${stb_code})
target_include_directories(vantara_web_stb SYSTEM PUBLIC ${STB_INCLUDE_DIR})
target_compile_options(vantara_web_stb PRIVATE ${vantara_web_quiet})
add_library(PkgConfig::STB ALIAS vantara_web_stb)

# WebGL 2 is OpenGL ES 3.0: its headers need no loader.
add_library(vantara_web_gl INTERFACE)
target_link_options(vantara_web_gl INTERFACE -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2)
add_library(OpenGL::GL ALIAS vantara_web_gl)
add_library(vantara_web_none INTERFACE)
add_library(PkgConfig::GLEW ALIAS vantara_web_none)
add_library(Threads::Threads ALIAS vantara_web_none)

add_library(vantara_web_openal INTERFACE)
target_link_options(vantara_web_openal INTERFACE -lopenal)
add_library(PkgConfig::OPENAL ALIAS vantara_web_openal)
