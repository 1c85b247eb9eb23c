; Tavrin's installer, for one user and without elevation: the program in
; %LOCALAPPDATA%\Programs\Tavrin, a Start-menu shortcut, the start at sign-in
; (the user's Run key, which the user may decline) and the user's entry in
; Apps & features; and the uninstaller that takes all of it away again. The
; settings file is the program's own and lies elsewhere: neither touches it.
;
; A Tavrin running in the session is asked to end first, through its
; one-instance channel ("Tavrin.exe /quit" waits until its process has
; ended), so that its files are free: no reboot, no file left locked.
;
; Built by scripts/package:
;   makensis -INPUTCHARSET UTF8 -DVERSION=3.01.0003 -DVERSION_QUAD=3.1.0.3 \
;            -DPUBLISHER=Quenfold -DSTAGE=build/package -DICON=resources/tavrin.ico \
;            -DOUTFILE=dist/Tavrin-3.01.0003-setup.exe packaging/tavrin.nsi
;
; Switches: /S installs or uninstalls silently, with the defaults (start at
; sign-in included); /NOSTART leaves Tavrin stopped after a silent install;
; /D=FOLDER, last on the line, installs elsewhere.

!ifndef VERSION | VERSION_QUAD | PUBLISHER | STAGE | ICON | OUTFILE
  !error "define VERSION, VERSION_QUAD, PUBLISHER, STAGE, ICON and OUTFILE (see scripts/package)"
!endif

; A 64-bit installer for the 64-bit program.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define PRODUCT "Tavrin"
!define PROGRAM_FILE "Tavrin.exe"
!define UNINSTALLER_FILE "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\Tavrin.lnk"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Tavrin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin"
!define SETTINGS_FILE "C:\Program Files\Norvane.txt"
; What "Tavrin.exe /quit" answers when a Tavrin still runs.
!define STILL_RUNNING 1

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tavrin"
; An upgrade goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show
; A file that cannot be replaced stops the install: nothing half old.
AllowSkipFiles off

Var StartAtEnd

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Este asistente instalará ${PRODUCT} ${VERSION} para su usuario. No hacen falta permisos de administrador.$\r$\n$\r$\nSi ${PRODUCT} está en marcha, se cerrará para actualizarlo; los cambios de la configuración que no haya guardado se perderán. La configuración guardada se conserva.$\r$\n$\r$\nPresione Siguiente para continuar."
!insertmacro MUI_PAGE_WELCOME
; Two lines need no description box, and the list keeps its width.
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartTavrin
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LEAME.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Se quitará ${PRODUCT} de su equipo: el programa, su acceso directo del menú Inicio y su inicio al iniciar sesión. La configuración (${SETTINGS_FILE}, o su copia en %LOCALAPPDATA%\VirtualStore\Program Files) se conserva para una próxima instalación."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Spanish"

; As the program's own version record: no copyright line.
!pragma warning disable 9100
VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"

; Ends the Tavrin running in the session with the given copy of the
; program, which waits for its end; asks the user again while it still
; runs. A silent run gives up at once.
!macro EndRunningTavrin UN
Function ${UN}EndRunningTavrin
  Exch $R0
  Push $R1
  DetailPrint "Cerrando ${PRODUCT}, si está en marcha"
  retry:
  ClearErrors
  SetDetailsPrint none
  ExecWait '"$R0" /quit' $R1
  SetDetailsPrint lastused
  ; A program that cannot be started has nothing to end.
  ${If} ${Errors}
  ${OrIf} $R1 != ${STILL_RUNNING}
    Pop $R1
    Pop $R0
    Return
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} sigue en marcha y no se ha podido cerrar.$\r$\n$\r$\nCiérrelo con un doble clic en el fondo de su barra y presione Reintentar." /SD IDCANCEL IDRETRY retry
  Abort "${PRODUCT} sigue en marcha: no se ha cambiado nada."
FunctionEnd
!macroend
!insertmacro EndRunningTavrin ""
!insertmacro EndRunningTavrin "un."

Function .onInit
  StrCpy $StartAtEnd 1
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NOSTART" $R1
  ${IfNot} ${Errors}
    StrCpy $StartAtEnd 0
  ${EndIf}
FunctionEnd

; The new program, from a place of its own, ends the old one: an older one
; in the install folder may not know how. (Outside the section, the copy
; does not count in the space the install needs.)
Function EndTavrinBeforeUpgrade
  InitPluginsDir
  File "/oname=$PLUGINSDIR\${PROGRAM_FILE}" "${STAGE}/Tavrin.exe"
  Push "$PLUGINSDIR\${PROGRAM_FILE}"
  Call EndRunningTavrin
FunctionEnd

Function StartTavrin
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${PROGRAM_FILE}"'
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  Call EndTavrinBeforeUpgrade

  SetOutPath "$INSTDIR"
  File "${STAGE}/Tavrin.exe"
  File "${STAGE}/LEAME.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM_FILE}" "" "$INSTDIR\${PROGRAM_FILE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_FILE}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; Apps & features shows the size in KB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Iniciar Tavrin al iniciar sesión" SecSignIn
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${PROGRAM_FILE}"'
SectionEnd

Section "-Finish"
  ; Declined on an upgrade: an earlier install's start at sign-in goes.
  ${IfNot} ${SectionIsSelected} ${SecSignIn}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ; The finish page's box starts it after an install with pages.
  ${If} ${Silent}
  ${AndIf} $StartAtEnd == 1
    Call StartTavrin
  ${EndIf}
SectionEnd

Section "Uninstall"
  ${If} ${FileExists} "$INSTDIR\${PROGRAM_FILE}"
    Push "$INSTDIR\${PROGRAM_FILE}"
    Call un.EndRunningTavrin
  ${EndIf}
  Delete "$INSTDIR\${PROGRAM_FILE}"
  Delete "$INSTDIR\LEAME.txt"
  Delete "$INSTDIR\${UNINSTALLER_FILE}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DetailPrint "Se conserva la configuración (Norvane.txt)."
SectionEnd
