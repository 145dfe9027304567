; The Windows setup program for Quorvix, made by scripts/build-windows.sh:
;   makensis -DVERSION=<x.y> -DFILE_VERSION=<a.b.c.d> -DPROGRAM_DIR=<folder>
;            -DFILE_LIST=<uninstall list> -DSIZE_KB=<size> -DOUTFILE=<setup.exe>
;            packaging/windows/quorvix.nsi
; It installs the program folder into Program Files, adds a Start-menu entry
; and the uninstaller to "Apps"; "/S" installs without asking,
; "/D=<folder>" (last on the command line) installs elsewhere.

!macro REQUIRE NAME
  !ifndef ${NAME}
    !error "makensis -D${NAME}=... fehlt"
  !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE PROGRAM_DIR
!insertmacro REQUIRE FILE_LIST
!insertmacro REQUIRE SIZE_KB
!insertmacro REQUIRE FILE_VERSION
!insertmacro REQUIRE OUTFILE

Unicode true
; 64-bit stubs: Quorvix is a 64-bit program, and a 32-bit setup would need
; the 32-bit half of Windows (or of Wine) only to start.
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvix"
!define ICON "${__FILEDIR__}/quorvix.ico"

Name "Quorvix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorvix"
InstallDirRegKey HKLM "Software\Quorvix" "InstallDir"
RequestExecutionLevel admin
BrandingText "Quorvix ${VERSION}"

; There is no copyright line to give; Explorer shows the rest without it.
!pragma warning disable 9100
VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1031 "ProductName" "Quorvix"
VIAddVersionKey /LANG=1031 "FileDescription" "Quorvix ${VERSION} Setup"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Quorvix"
  SetOutPath "$INSTDIR"
  File /r "${PROGRAM_DIR}/*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Quorvix.lnk" "$INSTDIR\quorvix.exe" "" "$INSTDIR\quorvix.exe" 0

  WriteRegStr HKLM "Software\Quorvix" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvix"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quorvix"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvix.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Quorvix.lnk"
  ; Only the files the setup put there: backups that Quorvix wrote beside
  ; itself (configBACKUP.cfg, Quorvix-Verlauf) stay, and with them the folder.
  !include "${FILE_LIST}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Quorvix"
SectionEnd
