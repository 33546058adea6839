; The setup program: installs Rotaline for the current user, without administrator rights.
; makensis -DVERSION=1.0.0 -DPORTABLE=<folder of the portable zip> -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rotaline"
!define PROGID "Rotaline.SettingsFile"

Name "Rotaline ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Rotaline"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${PORTABLE}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

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
SectionEnd

; Removes what the setup program put there; the user's settings, journal and files stay.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Rotaline.lnk"
    ReadRegStr $0 HKCU "Software\Classes\.esc" ""
    StrCmp $0 "${PROGID}" 0 +2
        DeleteRegKey HKCU "Software\Classes\.esc"
    DeleteRegKey HKCU "Software\Classes\${PROGID}"
    DeleteRegKey HKCU "${KEY}"
    !include "${FILELIST}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
