; The setup program: installs Rotaline for the current user, without administrator rights.
; makensis -DVERSION=1.0.0 -DPORTABLE=<folder of the portable zip> -DICON=<rotaline.ico>
;          -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rotaline"
!define PROGID "Rotaline.SettingsFile"

!include "MUI2.nsh"
!include "FileFunc.nsh"

Name "Rotaline ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Rotaline"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\rotaline.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString Running ${LANG_ENGLISH} "Rotaline is running. Close it (and rotaline-program), then choose Retry."
LangString Running ${LANG_GERMAN} "Rotaline läuft. Schließen Sie es (und rotaline-program) und wählen Sie dann Wiederholen."
LangString Running ${LANG_SIMPCHINESE} "Rotaline 正在运行。请关闭它(以及 rotaline-program),然后选择“重试”。"
LangString LeftBehind ${LANG_ENGLISH} "Some files could not be replaced or removed because they are in use. Close Rotaline and run this again."
LangString LeftBehind ${LANG_GERMAN} "Einige Dateien sind in Benutzung und konnten nicht ersetzt oder entfernt werden. Schließen Sie Rotaline und starten Sie dies erneut."
LangString LeftBehind ${LANG_SIMPCHINESE} "部分文件正在使用,无法替换或删除。请关闭 Rotaline 后重新运行。"

; A running Rotaline holds its program and Qt's libraries: nothing is replaced or removed while
; it runs. Asked until it is closed; a cancel, or a silent run, ends with nothing changed.
!macro BUSY_IF_HELD file
    IfFileExists "$INSTDIR\${file}" 0 +5
        ClearErrors
        FileOpen $0 "$INSTDIR\${file}" a
        IfErrors busy
        FileClose $0
!macroend
!macro WAIT_UNTIL_CLOSED un
Function ${un}WaitUntilClosed
    check:
        !insertmacro BUSY_IF_HELD "rotaline.exe"
        !insertmacro BUSY_IF_HELD "rotaline-program.exe"
        !insertmacro BUSY_IF_HELD "Qt6Core.dll"
        Return
    busy:
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDRETRY check
        SetErrorLevel 2
        Quit
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

Function .onInit
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Rotaline"
    ReadRegStr $0 HKCU "${KEY}" "InstallLocation"
    StrCmp $0 "" +2
        StrCpy $INSTDIR $0
    Call WaitUntilClosed
FunctionEnd

Function un.onInit
    Call un.WaitUntilClosed
FunctionEnd

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    ClearErrors
    File /r "${PORTABLE}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    IfErrors 0 +4
        MessageBox MB_OK|MB_ICONSTOP "$(LeftBehind)" /SD IDOK
        SetErrorLevel 2
        Abort "$(LeftBehind)"

    CreateShortCut "$SMPROGRAMS\Rotaline.lnk" "$INSTDIR\rotaline.exe"

    ; *.esc opens with Rotaline.
    WriteRegStr HKCU "Software\Classes\.esc" "" "${PROGID}"
    WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Rotaline settings file"
    WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\rotaline.exe,0"
    WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\rotaline.exe" "%1"'

    ; Apps & features.
    WriteRegStr HKCU "${KEY}" "DisplayName" "Rotaline"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "Publisher" "Rotaline"
    WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\rotaline.exe,0"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${KEY}" "EstimatedSize" "$0"
SectionEnd

; Removes what the setup program put there; the user's settings, journal and files stay.
Section "Uninstall"
    SetShellVarContext current
    !include "${FILELIST}"
    IfFileExists "$INSTDIR\rotaline.exe" 0 +4
        MessageBox MB_OK|MB_ICONSTOP "$(LeftBehind)" /SD IDOK
        SetErrorLevel 2
        Abort "$(LeftBehind)"
    Delete "$SMPROGRAMS\Rotaline.lnk"
    ReadRegStr $0 HKCU "Software\Classes\.esc" ""
    StrCmp $0 "${PROGID}" 0 +2
        DeleteRegKey HKCU "Software\Classes\.esc"
    DeleteRegKey HKCU "Software\Classes\${PROGID}"
    DeleteRegKey HKCU "${KEY}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
