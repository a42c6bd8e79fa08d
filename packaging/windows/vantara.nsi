; The Windows installer. makensis is run by the build (cmake/WindowsPackage.cmake) with:
;   VERSION   the game's version (1.0)
;   STAGE     the folder that holds what is installed: vantara.exe, data\, README.txt
;   FILES     an include file that installs every file of STAGE (File lines)
;   REMOVE    an include file that deletes exactly those files and their folders
;   ICON      the game's icon
;   OUTFILE   the installer to write
; It installs for every user of the machine into Program Files\Vantara, adds a Start-menu
; entry and an entry in Apps & features. The uninstaller removes every file it installed and
; nothing else: the player's settings and best times in %APPDATA%\Vantara stay.
; A 64-bit installer for a 64-bit game: it runs wherever the game does.
Target amd64-unicode
; zlib: a tenth of the time LZMA takes to pack the game, for 8% more to download.
SetCompressor zlib
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantara"

Name "Vantara"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vantara"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Vantara ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vantara"
VIAddVersionKey /LANG=1033 "CompanyName" "The Vantara team"
VIAddVersionKey /LANG=1033 "FileDescription" "Vantara ${VERSION} installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "The Vantara team"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantara.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Play Vantara now"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Vantara"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\Vantara.lnk" "$INSTDIR\vantara.exe" "" "$INSTDIR\vantara.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vantara"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Vantara team"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantara.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Vantara.lnk"
  !include "${REMOVE}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder goes: anything the player put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
