; Per-user installer of the program folder: no administrator rights, the
; folder goes to the user's local programs folder, where the programs may
; write config.ini and config\ beside themselves.
;
; make_package.sh defines:
;   VERSION      the suite's version, e.g. 1.0.0
;   OUTFILE      the installer to write
;   FILES_NSH    commands installing the staged program folder
;   UNFILES_NSH  the matching commands removing it (user data excluded)
;   ICON         the icon of the installer and the uninstaller
; and runs makensis in the staged program folder.

Unicode true
; The programs are 64-bit; so is the installer.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

!define PRODUCT "DuvaraZariv"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define MONITOR_TITLE "VEXA 7710 DuvaraZariv Monitor"
!define OPTION_TITLE "VEXA 7710 DuvaraZariv Option"
!define OSD_TITLE "TARN_7710_5520_Gaming_Mouse_Normal_OSD"

Name "${PRODUCT} ${VERSION}"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade goes where the previous version lives.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "Copyright (C) the ${PRODUCT} developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The programs are ended as their own "exit" would end them (WM_CLOSE to
; their windows), and waited for, so that their files can be replaced or
; removed.
!macro DEFINE_END_PROGRAM UN
; ProcessOfWindow TITLE -> a handle to wait on (0 when no such window).
Function ${UN}ProcessOfWindow
    Exch $0
    Push $1
    FindWindow $1 "" $0
    StrCpy $0 0
    ${If} $1 <> 0
        System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r1)'
        ; SYNCHRONIZE: enough to wait for the end.
        System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r0'
    ${EndIf}
    Pop $1
    Exch $0
FunctionEnd

; EndProcess TITLE HANDLE: closes the window, then waits for the process.
Function ${UN}EndProcess
    Exch $1
    Exch
    Exch $0
    Push $2
    FindWindow $2 "" $0
    ${If} $2 <> 0
        SendMessage $2 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${EndIf}
    ${If} $1 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r1, i 15000)'
        System::Call 'kernel32::CloseHandle(p r1)'
    ${EndIf}
    Pop $2
    Pop $0
    Pop $1
FunctionEnd

; AwaitDisplay: a Monitor that has just started opens the on-screen display
; last; its window is waited for (5 s at most), so that the display's
; process is ended with the others instead of holding its file.
Function ${UN}AwaitDisplay
    Push $0
    Push $1
    FindWindow $0 "" "${MONITOR_TITLE}"
    ${If} $0 <> 0
        ${For} $1 1 50
            FindWindow $0 "" "${OSD_TITLE}"
            ${IfThen} $0 <> 0 ${|} ${Break} ${|}
            Sleep 100
        ${Next}
    ${EndIf}
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_END_PROGRAM ""
!insertmacro DEFINE_END_PROGRAM "un."

!macro PROCESS_OF_WINDOW UN TITLE VAR
    Push "${TITLE}"
    Call ${UN}ProcessOfWindow
    Pop ${VAR}
!macroend

!macro END_PROCESS UN TITLE HANDLE
    Push "${TITLE}"
    Push ${HANDLE}
    Call ${UN}EndProcess
!macroend

; Option first: Monitor would otherwise close it on its way out. Monitor
; closes the on-screen display, whose process may outlive its window: its
; handle is taken before, and the display closed here if it still shows.
!macro END_PROGRAMS UN
    Call ${UN}AwaitDisplay
    !insertmacro PROCESS_OF_WINDOW "${UN}" "${OPTION_TITLE}" $R0
    !insertmacro PROCESS_OF_WINDOW "${UN}" "${MONITOR_TITLE}" $R1
    !insertmacro PROCESS_OF_WINDOW "${UN}" "${OSD_TITLE}" $R2
    !insertmacro END_PROCESS "${UN}" "${OPTION_TITLE}" $R0
    !insertmacro END_PROCESS "${UN}" "${MONITOR_TITLE}" $R1
    !insertmacro END_PROCESS "${UN}" "${OSD_TITLE}" $R2
!macroend

Section "-Program files"
    !insertmacro END_PROGRAMS ""
    !include "${FILES_NSH}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\Option.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Monitor.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; The section below writes the value again when it stays chosen.
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
SectionEnd

Section "Start with Windows" SecAutostart
    WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Monitor.exe"'
SectionEnd

Section "-Start Monitor"
    SetOutPath "$INSTDIR"
    Exec '"$INSTDIR\Monitor.exe"'
SectionEnd

Function .onInit
    ; An upgrade keeps the user's earlier choice against starting with Windows.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $1 HKCU "${RUN_KEY}" "${PRODUCT}"
    ${If} $0 != ""
    ${AndIf} $1 == ""
        !insertmacro UnselectSection ${SecAutostart}
    ${EndIf}
FunctionEnd

Section "un.Program files"
    SectionIn RO
    !insertmacro END_PROGRAMS "un."
    !include "${UNFILES_NSH}"
    ; Written beside the programs by the virtual mouse while it runs.
    Delete "$INSTDIR\VirtualMouse.log"
    Delete "$INSTDIR\Uninstall.exe"
    Delete "${SHORTCUT}"
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Kept unless chosen here or asked for with /PURGE on the command line.
Section /o "un.Profiles, macros and fire patterns" SecUnUserData
    Delete "$INSTDIR\config.ini"
    RMDir /r "$INSTDIR\config"
SectionEnd

Section "-un.Folder"
    ; Removed only when empty: kept profiles keep it.
    RMDir "$INSTDIR"
SectionEnd

Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PURGE" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecUnUserData}
    ${EndIf}
FunctionEnd
