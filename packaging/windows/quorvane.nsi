; SPDX-License-Identifier: MIT
; The Windows installer: quorvane.exe into Program Files, a Start-menu entry, and an uninstaller
; listed in the system's installed programs; .quorvane files open in Quorvane. The uninstaller
; leaves the saved game in the documents folder alone. scripts/windows.sh passes VERSION, EXE, ICON and OUTFILE.
; A 64-bit installer for the 64-bit program: it runs where the program does (and under a Wine
; without 32-bit support), and sees the 64-bit Program Files and registry.
Target amd64-unicode
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define FILE_CLASS "Quorvane.Game"

Name "Quorvane"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorvane"
InstallDirRegKey HKLM "Software\Quorvane" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Quorvane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Quorvane installer"
VIAddVersionKey "CompanyName" "The Quorvane developers"
VIAddVersionKey "LegalCopyright" "Copyright The Quorvane developers, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvane.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=quorvane.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Quorvane.lnk" "$INSTDIR\quorvane.exe"
    WriteRegStr HKLM "Software\Quorvane" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvane"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Quorvane developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvane.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegStr HKLM "Software\Classes\.quorvane" "" "${FILE_CLASS}"
    WriteRegStr HKLM "Software\Classes\.quorvane" "Content Type" "application/x-quorvane"
    WriteRegStr HKLM "Software\Classes\${FILE_CLASS}" "" "Quorvane game"
    WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\DefaultIcon" "" "$INSTDIR\quorvane.exe,0"
    WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\shell\open\command" "" '"$INSTDIR\quorvane.exe" "%1"'
    ; Explorer shows the new file type without a restart.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Quorvane.lnk"
    Delete "$INSTDIR\quorvane.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\Quorvane"
    DeleteRegKey HKLM "Software\Classes\${FILE_CLASS}"
    ; The extension only while it still names this program's class.
    ReadRegStr $0 HKLM "Software\Classes\.quorvane" ""
    StrCmp $0 "${FILE_CLASS}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.quorvane"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
