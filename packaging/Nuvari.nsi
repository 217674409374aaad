; Nuvari's Windows installer: per user, no administrator rights, Japanese.
; makensis -DVERSION=<x.y.z.w> -DSTAGE=<folder with the programs> -DOUTFILE=<setup.exe> Nuvari.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Nuvari"
!define PUBLISHER "Talvenko"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define START_MENU "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; The user's own programs folder: installing there needs no elevation.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "(C) ${PUBLISHER}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Nuvari.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Nuvari"
  SetOutPath "$INSTDIR"
  File "${STAGE}\Nuvari.exe"
  File "${STAGE}\NuvariKit.exe"
  File "${STAGE}\Nuvari.HLP"
  File "${STAGE}\Readme.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "${START_MENU}"
  CreateShortcut "${START_MENU}\Nuvari.lnk" "$INSTDIR\Nuvari.exe"
  CreateShortcut "${START_MENU}\Nuvari ﾂｰﾙ.lnk" "$INSTDIR\NuvariKit.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Nuvari.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Removes what the installer put there and nothing else: the player's settings
; (HKCU\Software\Talvenko\Nuvari) stay; NuvariKit deletes them on request.
Section "Uninstall"
  Delete "$INSTDIR\Nuvari.exe"
  Delete "$INSTDIR\NuvariKit.exe"
  Delete "$INSTDIR\Nuvari.HLP"
  Delete "$INSTDIR\Readme.txt"
  ; The help viewer may leave its bookmarks and history beside the help file.
  Delete "$INSTDIR\Nuvari.GID"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${START_MENU}\Nuvari.lnk"
  Delete "${START_MENU}\Nuvari ﾂｰﾙ.lnk"
  RMDir "${START_MENU}"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
