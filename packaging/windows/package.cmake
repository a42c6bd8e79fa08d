# Makes the Windows packages from a built game (cmake -P, run by the windows_packages target):
#   vantara-VERSION-windows-x64.zip        the portable game in a folder Vantara\
#   vantara-VERSION-windows-x64-setup.exe  the installer (NSIS)
# Inputs: EXE, REPLAY (the replay runner, which the game runs to check the proof of a level
# it imports), DATA, STRIP, MAKENSIS, ICON, VERSION, SOURCE (this folder), OUT, LICENSE (the
# game's), COPYRIGHT (packaging/copyright), LICENSES (a folder of the built-in libraries'
# licences, one NAME.txt each, from scripts/windows.sh).
cmake_minimum_required(VERSION 3.25)
set(stage ${OUT}/windows-stage/Vantara)
file(REMOVE_RECURSE ${OUT}/windows-stage)
file(MAKE_DIRECTORY ${stage})

execute_process(COMMAND ${STRIP} -o ${stage}/vantara.exe ${EXE} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${STRIP} -o ${stage}/vantara-replay.exe ${REPLAY}
  COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${DATA}/ DESTINATION ${stage}/data PATTERN .generated EXCLUDE)
# The texts in Windows' line ends, so that Notepad of any age shows them right.
string(REPEAT "=" 72 rule)
function(write_text name text)
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${stage}/${name} "${text}")
endfunction()
file(READ ${SOURCE}/README.txt readme)
string(REPLACE "@VERSION@" "${VERSION}" readme "${readme}")
write_text(README.txt "${readme}")
file(READ ${LICENSE} license)
write_text(LICENSE.txt "${license}")
# Who made what, as the Debian package says it, then the licence of every library the Windows
# program has built in.
file(GLOB licences ${LICENSES}/*.txt)
if(NOT licences)
  message(FATAL_ERROR "no licences of the built-in libraries in ${LICENSES}")
endif()
list(SORT licences)
file(READ ${COPYRIGHT} copyright)
string(APPEND copyright "
The Windows program, vantara.exe, has these libraries built in, besides Dear ImGui: SDL2,
GLEW, libspng, zlib, stb_image and stb_image_write, and the runtimes of MinGW-w64 and of GCC
(libgcc and libstdc++, whose GCC Runtime Library Exception asks for no notice). Their
licences follow, as their sources give them.
")
foreach(licence IN LISTS licences)
  file(READ ${licence} text)
  string(APPEND copyright "\n${rule}\n\n${text}")
endforeach()
write_text(COPYRIGHT.txt "${copyright}")

set(zip ${OUT}/vantara-${VERSION}-windows-x64.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Vantara
  WORKING_DIRECTORY ${OUT}/windows-stage COMMAND_ERROR_IS_FATAL ANY)

# What the installer puts down and what its uninstaller takes away: the same list of files, and
# the folders emptied, deepest first.
file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(install "")
set(remove "")
set(folders "")
set(size 0)
set(previous "-")
foreach(f IN LISTS files)
  get_filename_component(folder ${f} DIRECTORY)
  string(REPLACE "/" "\\" wf "${f}")
  if(NOT folder STREQUAL previous)
    set(previous "${folder}")
    string(REPLACE "/" "\\" wfolder "\\${folder}")
    if(NOT folder)
      set(wfolder "")
    elseif(NOT folder IN_LIST folders)
      list(APPEND folders ${folder})
    endif()
    string(APPEND install "SetOutPath \"$INSTDIR${wfolder}\"\n")
  endif()
  string(APPEND install "File \"${stage}/${f}\"\n")
  string(APPEND remove "Delete \"$INSTDIR\\${wf}\"\n")
  file(SIZE ${stage}/${f} bytes)
  math(EXPR size "${size} + ${bytes}")
endforeach()
string(APPEND install "SetOutPath \"$INSTDIR\"\n")
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" wfolder "${folder}")
  string(APPEND remove "RMDir \"$INSTDIR\\${wfolder}\"\n")
endforeach()
file(WRITE ${OUT}/windows-stage/files.nsh "${install}")
file(WRITE ${OUT}/windows-stage/remove.nsh "${remove}")
math(EXPR size_kb "(${size} + 1023) / 1024")

set(setup ${OUT}/vantara-${VERSION}-windows-x64-setup.exe)
file(REMOVE ${setup})
execute_process(COMMAND ${MAKENSIS} -V2 -NOCD
    -DVERSION=${VERSION} -DFILES=${OUT}/windows-stage/files.nsh
    -DREMOVE=${OUT}/windows-stage/remove.nsh -DICON=${ICON} -DOUTFILE=${setup}
    -DSIZE_KB=${size_kb} ${SOURCE}/vantara.nsi
  COMMAND_ERROR_IS_FATAL ANY)
foreach(package ${zip} ${setup})
  file(SIZE ${package} bytes)
  math(EXPR mb "${bytes} / 1048576")
  message(STATUS "${package}: ${bytes} bytes (${mb} MiB)")
endforeach()
