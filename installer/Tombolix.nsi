; The Tombolix installer and its uninstaller.
;
; makensis -DARCH=x86|amd64 -DPROGRAM_DIR=<folder of the two .scr files>
;          -DHELP_DIR=<folder of Tombolix.htm and its screenshots/> -DICON_FILE=<icon>
;          -DOUTFILE=<setup.exe> Tombolix.nsi
;
; The screen savers go into the Windows system folder, where the display
; settings look for them (a 32-bit installer on 64-bit Windows lands in the
; 32-bit one); the help page and the uninstaller into a program folder. The
; user's collections (Tombolix2.ini in the Windows folder) and options (the
; program's registry key) are never written here, so an install over an
; earlier one keeps them; the uninstaller removes them only when asked to.

Unicode true
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!endif

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define PRODUCT "Tombolix Screensaver"
!define VERSION "2.0.4.1"
!define PUBLISHER "Brackwen"
!define TITLE "Tombolix2"
!define OPTIONS_KEY "Software\Brackwen\Tombolix2"
!define CONFIG_KEY "${OPTIONS_KEY}\Config"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tombolix"
!define DESKTOP_KEY "Control Panel\Desktop"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!if "${ARCH}" == "amd64"
  InstallDir "$PROGRAMFILES64\Tombolix"
!else
  InstallDir "$PROGRAMFILES\Tombolix"
!endif
; An earlier install is updated where it is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Tombolix.htm"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the help page"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

;   $ScreenSaverPath  the screen saver's path as 64-bit Windows sees it too
;   $ResidentClosed   a resident instance was running and has been closed
Var ScreenSaverPath
Var ResidentClosed

; A 32-bit installer writes into the 32-bit system folder through the name
; System32; what it records must name the folder where the file really is,
; since 64-bit Windows reads the screen-saver setting.
!macro FindScreenSaverPath
  StrCpy $ScreenSaverPath "$SYSDIR\Tombolix2.scr"
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !else
    ${If} ${RunningX64}
      StrCpy $ScreenSaverPath "$WINDIR\SysWOW64\Tombolix2.scr"
    ${EndIf}
  !endif
!macroend

; Asks each running window titled Tombolix2 (the resident instance, or a
; session) to end, and waits for its process, which holds the file open.
!macro CloseResidentInstance
  StrCpy $ResidentClosed 0
  StrCpy $3 0
  ${Do}
    FindWindow $0 "" "${TITLE}"
    ${If} $0 == 0
    ${OrIf} $3 >= 20
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
    ${If} $2 != 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 10000)'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    StrCpy $ResidentClosed 1
    IntOp $3 $3 + 1
  ${Loop}
!macroend

Function .onInit
  !insertmacro FindScreenSaverPath
FunctionEnd

Section "Tombolix" SecProgram
  SectionIn RO
  ; A resident instance of an earlier version holds its file open.
  !insertmacro CloseResidentInstance
  SetOutPath "$SYSDIR"
  File "${PROGRAM_DIR}\Tombolix2.scr"
  File "${PROGRAM_DIR}\Blank Screen.scr"
  SetOutPath "$INSTDIR"
  File "${HELP_DIR}\Tombolix.htm"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  SetOutPath "$INSTDIR\screenshots"
  File "${HELP_DIR}\screenshots\*.png"

  ; Where every Help button looks for the page, with its final backslash.
  WriteRegStr HKCU "${CONFIG_KEY}" "InstallFolder" "$INSTDIR\"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$ScreenSaverPath,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${GetSize} "$SYSDIR" "/M=Tombolix2.scr /S=0K /G=0" $3 $1 $2
  ${GetSize} "$SYSDIR" "/M=Blank Screen.scr /S=0K /G=0" $4 $1 $2
  IntOp $0 $0 + $3
  IntOp $0 $0 + $4
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; An update brings back the resident instance it had to close.
  ${If} $ResidentClosed == 1
    Exec '"$SYSDIR\Tombolix2.scr" /tray'
  ${EndIf}
SectionEnd

Section "Make Tombolix my screen saver" SecCurrent
  ; Where the display settings keep the screen saver: the registry on the
  ; Windows NT family, system.ini on the others (and under Wine).
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$ScreenSaverPath"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  WriteINIStr "$WINDIR\system.ini" "boot" "SCRNSAVE.EXE" "$ScreenSaverPath"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Tombolix2.scr and Blank Screen.scr in the Windows system folder, and the help page."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecCurrent} "Windows starts Tombolix as its screen saver, which then runs your other screen savers."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
  !insertmacro FindScreenSaverPath
FunctionEnd

Section "un.Tombolix" UnSecProgram
  SectionIn RO
  !insertmacro CloseResidentInstance
  ; Started with Windows: the user's shortcut and an older run value.
  Delete "$SMSTARTUP\${TITLE}.lnk"
  DeleteRegValue HKLM "${RUN_KEY}" "${TITLE}"

  ; The screen saver setting no longer names a file that is gone.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == $ScreenSaverPath
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}
  ReadINIStr $0 "$WINDIR\system.ini" "boot" "SCRNSAVE.EXE"
  ${If} $0 == $ScreenSaverPath
    DeleteINIStr "$WINDIR\system.ini" "boot" "SCRNSAVE.EXE"
  ${EndIf}

  DeleteRegValue HKCU "${CONFIG_KEY}" "InstallFolder"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  Delete "$SYSDIR\Tombolix2.scr"
  Delete "$SYSDIR\Blank Screen.scr"
  Delete "$INSTDIR\Tombolix.htm"
  Delete "$INSTDIR\screenshots\*.png"
  RMDir "$INSTDIR\screenshots"
  Delete "$INSTDIR\Uninstall.exe"
  ; Last, so that its absence tells that everything else is done.
  RMDir "$INSTDIR"
SectionEnd

Section /o "un.Also remove my collections and settings" UnSecSettings
  DeleteRegKey HKCU "${OPTIONS_KEY}"
  Delete "$WINDIR\Tombolix2.ini"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "The screen savers, the help page and the entries Tombolix made in Windows."
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "Your collections (Tombolix2.ini) and your Tombolix options. Leave this unticked to keep them for a later install."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
