; The LurnaGame setup: installs the program for every user of the machine into
; Program Files\LurnaGame, with a Start-menu entry and an uninstaller that
; "Apps and features" lists. /S installs (and the uninstaller uninstalls) silently.
;
; Defines given by the build (app/installer/CMakeLists.txt):
;   EXE      the LurnaGame.exe to install
;   OUTFILE  the setup to write
;   TARGET   x86-unicode (the product) or amd64-unicode (around the 64-bit build
;            of the test tree, on machines that run 64-bit programs only)
;   NAME, VERSION, RIGHTS  product name, version and rights line of app/Version.h

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh

!define UninstallKey "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define Uninstaller "Uninstall.exe"

Name "${NAME}"
OutFile "${OUTFILE}"
; A 32-bit program goes to Program Files (x86) on 64-bit Windows, as usual; the
; 64-bit test build goes to the 64-bit folder and writes the 64-bit registry view.
!if "${TARGET}" == "amd64-unicode"
  InstallDir "$PROGRAMFILES64\${NAME}"
  !define RegView 64
!else
  InstallDir "$PROGRAMFILES\${NAME}"
  !define RegView 32
!endif
BrandingText "${NAME} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${__FILEDIR__}\..\res\lurna.ico"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileDescription" "Installazione di ${NAME}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "LegalCopyright" "${RIGHTS}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "CompanyName" "${NAME}"

; Per machine: the shortcut goes to the all-users Start menu.
Function .onInit
  SetShellVarContext all
  SetRegView ${RegView}
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView ${RegView}
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "/oname=${NAME}.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\${Uninstaller}"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${NAME}.exe"

  WriteRegStr HKLM "${UninstallKey}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UninstallKey}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UninstallKey}" "Publisher" "${NAME}"
  WriteRegStr HKLM "${UninstallKey}" "DisplayIcon" "$INSTDIR\${NAME}.exe,0"
  WriteRegStr HKLM "${UninstallKey}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UninstallKey}" "UninstallString" '"$INSTDIR\${Uninstaller}"'
  WriteRegStr HKLM "${UninstallKey}" "QuietUninstallString" '"$INSTDIR\${Uninstaller}" /S'
  WriteRegDWORD HKLM "${UninstallKey}" "NoModify" 1
  WriteRegDWORD HKLM "${UninstallKey}" "NoRepair" 1
  ; What the folder holds now, program and uninstaller, in KB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UninstallKey}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\${NAME}.exe"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  DeleteRegKey HKLM "${UninstallKey}"
  Delete "$INSTDIR\${Uninstaller}"
  ; Last, so that a folder gone means the uninstaller is done.
  RMDir "$INSTDIR"
SectionEnd
