# The Windows game's own parts: the program's icon, version information and manifest, and the
# two packages a Windows player gets (scripts/windows.sh makes them):
#   vantara-VERSION-windows-x64.zip        unpack anywhere and start vantara.exe
#   vantara-VERSION-windows-x64-setup.exe  installs into Program Files with a Start-menu entry
set(VANTARA_WINDOWS_SOURCE ${PROJECT_SOURCE_DIR}/packaging/windows)

# The icon, in the sizes Windows shows (the desktop icons the generator drew, up to 256).
find_program(ICOTOOL icotool REQUIRED)
set(VANTARA_ICO ${CMAKE_BINARY_DIR}/vantara.ico)
set(ico_sizes)
foreach(size IN LISTS VANTARA_ICON_SIZES)
  if(size LESS_EQUAL 256)
    list(APPEND ico_sizes ${VANTARA_ICON_DIR}/${size}x${size}.png)
  endif()
endforeach()
add_custom_command(OUTPUT ${VANTARA_ICO}
  COMMAND ${ICOTOOL} --create --output=${VANTARA_ICO} ${ico_sizes}
  DEPENDS vantara_assets ${VANTARA_DATA_DIR}/.generated
  COMMENT "Making the program's icon"
  VERBATIM)
add_custom_target(vantara_ico DEPENDS ${VANTARA_ICO})

# vantara_resources(TARGET DESCRIPTION): the icon, the version and the manifest in TARGET.
function(vantara_resources target description)
  set(VANTARA_EXE_NAME ${target})
  set(VANTARA_FILE_DESCRIPTION "${description}")
  set(VANTARA_MANIFEST ${VANTARA_WINDOWS_SOURCE}/vantara.manifest)
  set(rc ${CMAKE_BINARY_DIR}/generated/${target}.rc)
  configure_file(${VANTARA_WINDOWS_SOURCE}/vantara.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES
    OBJECT_DEPENDS "${VANTARA_ICO};${VANTARA_MANIFEST}")
  add_dependencies(${target} vantara_ico)
endfunction()

vantara_resources(vantara "Vantara")
vantara_resources(vantara-replay "Vantara replay runner")
# The game is a windowed program: no console opens with it.
set_target_properties(vantara PROPERTIES WIN32_EXECUTABLE ON)

find_program(MAKENSIS makensis)
if(MAKENSIS)
  add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:vantara>
            -DREPLAY=$<TARGET_FILE:vantara-replay> -DDATA=${VANTARA_DATA_DIR}
            -DSTRIP=${CMAKE_STRIP} -DMAKENSIS=${MAKENSIS} -DICON=${VANTARA_ICO}
            -DVERSION=${PROJECT_VERSION} -DSOURCE=${VANTARA_WINDOWS_SOURCE}
            -DOUT=${CMAKE_BINARY_DIR} -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
            -DCOPYRIGHT=${PROJECT_SOURCE_DIR}/packaging/copyright
            -DLICENSES=${VANTARA_WINDOWS_DEPS}/share/licenses
            -P ${VANTARA_WINDOWS_SOURCE}/package.cmake
    DEPENDS vantara vantara-replay vantara_assets vantara_levels vantara_ico
    COMMENT "Making the Windows packages"
    VERBATIM)
endif()
