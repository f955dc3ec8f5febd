; The Windows installer of Tavolex (64-bit): the programs, readmes and licence in
; "Program Files\Tavolex", a Start-menu entry for the window, "Tavolexで印刷" on the context menu of
; .jww files (beside Jw_cad's own verbs: the file type stays Jw_cad's) and an uninstaller that
; takes exactly that away again. The settings in %APPDATA%\Tavolex are the user's and stay.
;
; scripts/build-windows.sh builds it:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.10 -DSTAGE=<folder of the staged files> \
;            -DOUTFILE=<Tavolex-1.10-setup.exe> tavolex.nsi

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS Win10

!ifndef VERSION | STAGE | OUTFILE
  !error "VERSION, STAGE and OUTFILE must be defined (-DNAME=VALUE)"
!endif

!define PUBLISHER "The Tavolex developers"
!define MENU_ENTRY "Tavolex JWW図面連続印刷"
!define VERB_TEXT "Tavolexで印刷"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavolex"
; HKCR\SystemFileAssociations\.jww for all users: a verb added to the extension whatever program
; owns the file type, so HKCR\.jww (Jw_cad's association) is never written.
!define JWW_KEY "Software\Classes\SystemFileAssociations\.jww"
!define VERB_KEY "${JWW_KEY}\shell\Tavolex"
; The programs keep their settings per user when this file is beside them (the zip has none).
!define MARKER "tavolex.installed"

Name "Tavolex ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tavolex"
BrandingText "Tavolex ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Tavolex"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Tavolex ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "MIT License, ${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tavolex.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the fallback when Windows' language is neither.
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

; The highest key of the verb's path that did not exist before, so the uninstaller removes what was
; created and leaves keys of other programs.
Function RecordCreatedKeys
  StrCpy $0 ""
  ClearErrors
  EnumRegKey $1 HKLM "${JWW_KEY}\shell" 0
  ${If} ${Errors}
    StrCpy $0 "shell"
    ClearErrors
    EnumRegKey $1 HKLM "${JWW_KEY}" 0
    ${If} ${Errors}
      StrCpy $0 ".jww"
    ${EndIf}
  ${EndIf}
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "CreatedKey"
  ${If} $1 != ""
    StrCpy $0 $1  ; installed over an earlier copy: what that one created
  ${EndIf}
FunctionEnd

Section "Tavolex"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}/tavolex-print.exe"
  File "${STAGE}/README-ja.txt"
  File "${STAGE}/README-en.txt"
  File "${STAGE}/LICENSE.txt"
  FileOpen $0 "$INSTDIR\${MARKER}" w
  FileWrite $0 "Installed by the Tavolex setup: settings and work files are kept in %APPDATA%\Tavolex.$\r$\n"
  FileClose $0

  File "${STAGE}/tavolex.exe"
  CreateShortcut "$SMPROGRAMS\${MENU_ENTRY}.lnk" "$INSTDIR\tavolex.exe"
  ; The window lists the drawing with the user's settings and printer; printing starts there.
  Call RecordCreatedKeys
  WriteRegStr HKLM "${VERB_KEY}" "MUIVerb" "${VERB_TEXT}"
  WriteRegStr HKLM "${VERB_KEY}" "Icon" "$INSTDIR\tavolex.exe"
  WriteRegStr HKLM "${VERB_KEY}\command" "" '"$INSTDIR\tavolex.exe" "%1"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "CreatedKey" "$0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavolex.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tavolex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${MENU_ENTRY}.lnk"
  DeleteRegKey HKLM "${VERB_KEY}"
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "CreatedKey"
  ${If} $0 == "shell"
  ${OrIf} $0 == ".jww"
    DeleteRegKey /ifempty HKLM "${JWW_KEY}\shell"
  ${EndIf}
  ${If} $0 == ".jww"
    DeleteRegKey /ifempty HKLM "${JWW_KEY}"
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; Only the installed files: anything else a user put there keeps the folder.
  Delete "$INSTDIR\tavolex.exe"
  Delete "$INSTDIR\tavolex-print.exe"
  Delete "$INSTDIR\README-ja.txt"
  Delete "$INSTDIR\README-en.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\${MARKER}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
