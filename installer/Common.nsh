; What the setup and the uninstaller share: the names, where the screen saver
; lives, the exit codes, one run at a time, and closing Tombolix's own running
; processes before their files are replaced or removed.

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "TextFunc.nsh"
!include "x64.nsh"
!include "WinMessages.nsh"
!include "${HELP_PICTURES}"

!define PRODUCT "Tombolix Screensaver"
!define VERSION "2.0.4.1"
!define PUBLISHER "Brackwen"
!define TITLE "Tombolix2"
!define SHEET_CAPTION "Tombolix Screensaver"
!define OPTIONS_KEY "Software\Brackwen\Tombolix2"
!define CONFIG_KEY "${OPTIONS_KEY}\Config"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tombolix"
!define DESKTOP_KEY "Control Panel\Desktop"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"

; Exit codes besides NSIS's own 0 (done), 1 (cancelled) and 2 (aborted).
!define EXIT_SETTINGS_OPEN 3   ; a Tombolix settings window is open: nothing was changed
!define EXIT_FILE_IN_USE 4     ; a file could not be replaced or removed (the setup then changed nothing)
!define EXIT_BUSY 5            ; another Tombolix setup or uninstall kept running
!define EXIT_FOREIGN_FILES 6   ; the folder holds files of Tombolix's names that are not Tombolix's
!define EXIT_WRONG_SETUP 7     ; the 32-bit setup on 64-bit Windows: nothing was changed
!define EXIT_NOT_INSTALLED_HERE 8 ; Uninstall.exe outside the installed Tombolix's folder: nothing was removed
!define EXIT_BAD_FOLDER 9      ; the setup's folder cannot be used (no such drive, a file on its way, not a full path): nothing was changed
!define EXIT_OPTIONS_KEPT 10   ; the user's options key could not be removed: Tombolix stays listed among the installed programs

SetCompressor /SOLID lzma
Name "${PRODUCT}"
RequestExecutionLevel admin
VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

;   $ScreenSaverPath  the screen saver's path as 64-bit Windows sees it too
;   $TrayWasRunning   a resident instance was running and has been closed
;   $TrayMutexExisted the resident instance's mutex existed before closing
Var ScreenSaverPath
Var TrayWasRunning
Var TrayMutexExisted

; A 32-bit setup writes into the 32-bit system folder through the name
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

; $R0 spelt so that two names of one folder compare equal (StrCmp ignores
; case): short names made long, no final backslash.
Function NormalizeFolder
  System::Call 'kernel32::GetLongPathNameW(w R0, w .R1, i ${NSIS_MAX_STRLEN}) i .R2'
  ${If} $R2 > 0
  ${AndIf} $R2 < ${NSIS_MAX_STRLEN}
    StrCpy $R0 $R1
  ${EndIf}
  StrCpy $R1 $R0 1 -1
  ${If} $R1 == "\"
    StrCpy $R0 $R0 -1
  ${EndIf}
FunctionEnd

; $R0: the folder of the install that the installed-programs entry records,
; normalized, "" when there is none. FindScreenSaverPath comes first: it
; picks the registry view.
Function ReadInstalledFolder
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R0 != ""
    Call NormalizeFolder
  ${EndIf}
FunctionEnd

;  $R1: 1 when the folder $R0 holds Tombolix's own help page, else 0. Its
; title line, in the page's head since the first version, tells the page from
; a file of the same name, and so a program folder of Tombolix's from the
; user's own when the installed-programs entry is gone.
!define HELP_PAGE_MARK "<title>Tombolix Screensaver Help</title>"
Function IsTombolixFolder
  StrCpy $R1 0
  ClearErrors
  FileOpen $R2 "$R0\Tombolix.htm" r
  IfErrors done
  ${For} $R3 1 20
    ClearErrors
    FileRead $R2 $R4
    ${IfThen} ${Errors} ${|} ${Break} ${|}
    ${TrimNewLines} $R4 $R4
    ${If} $R4 S== "${HELP_PAGE_MARK}"
      StrCpy $R1 1
      ${Break}
    ${EndIf}
  ${Next}
  FileClose $R2
  done:
FunctionEnd

; The help page and its pictures in the program folder $R0, exactly the
; files the setup puts there; the pictures' folder only when left empty.
!macro RemoveHelpPicture Name
  Delete "$R0\screenshots\${Name}"
!macroend
Function RemoveHelpFiles
  Delete "$R0\Tombolix.htm"
  !insertmacro ForEachHelpPicture RemoveHelpPicture
  RMDir "$R0\screenshots"
FunctionEnd

; One setup or uninstall at a time, machine-wide; the handle stays open until
; the process ends. A run that waited a minute in vain changes nothing.
Function TakeSetupLock
  System::Call 'kernel32::CreateMutexW(p 0, i 0, w "Global\BrackwenTombolixSetup") p .r0'
  System::Call 'kernel32::WaitForSingleObject(p r0, i 60000) i .r1'
  ${If} $1 == 258   ; WAIT_TIMEOUT
    MessageBox MB_OK|MB_ICONSTOP "Another Tombolix setup or uninstall is still running." /SD IDOK
    SetErrorLevel ${EXIT_BUSY}
    Quit
  ${EndIf}
FunctionEnd

; The process of window $R0 when its program file is named $R1, opened to be
; waited for; $R2 is 0 for any other process. A foreign program's window of
; the same class or title is never touched.
Function OpenProcessOfWindow
  System::Call 'user32::GetWindowThreadProcessId(p R0, *i .R3)'
  ; SYNCHRONIZE | PROCESS_QUERY_INFORMATION, which Windows XP needs too.
  System::Call 'kernel32::OpenProcess(i 0x00100400, i 0, i R3) p .R2'
  ${If} $R2 P<> 0
    ; The image's path in device form, whose last name is the file's.
    System::Call 'psapi::GetProcessImageFileNameW(p R2, w .R4, i ${NSIS_MAX_STRLEN}) i .R3'
    ${GetFileName} $R4 $R4
    ${If} $R3 == 0
    ${OrIf} $R4 != $R1
      System::Call 'kernel32::CloseHandle(p R2)'
      StrCpy $R2 0
    ${EndIf}
  ${EndIf}
FunctionEnd

; The first top-level window of class $R5 and title $R6 ("" for any) in a
; process of file $R1, after window $R0 (0 for the first); $R0 is 0 when there
; is none, else $R2 is its open process.
Function FindOwnWindow
  ${Do}
    FindWindow $R0 "$R5" "$R6" "" $R0
    ${If} $R0 == 0
      Return
    ${EndIf}
    Call OpenProcessOfWindow
  ${LoopUntil} $R2 P<> 0
FunctionEnd

; Asks each such window to close, the way the user would, and waits for its
; process until the tick count $R9; $R7 becomes 1 when one of them was not a
; session's.
Function CloseOwnWindows
  StrCpy $R0 0
  ${Do}
    Call FindOwnWindow
    ${If} $R0 == 0
      Return
    ${EndIf}
    System::Call 'user32::GetClassNameW(p R0, w .R3, i 256)'
    ${If} $R3 != "BrackwenTombolixSession"
      StrCpy $R7 1
    ${EndIf}
    SendMessage $R0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
    System::Call 'kernel32::GetTickCount() i .R8'
    IntOp $R8 $R9 - $R8
    ${If} $R8 < 0
      StrCpy $R8 0
    ${EndIf}
    System::Call 'kernel32::WaitForSingleObject(p R2, i R8) i .R8'
    System::Call 'kernel32::CloseHandle(p R2)'
    ; Windows of an ended process are gone: search again from the first.
    ${If} $R8 == 0
      StrCpy $R0 0
    ${EndIf}
  ${Loop}
FunctionEnd

; Closes every running Tombolix process within five seconds, except that an
; open settings window is left to its user: its changes are theirs to keep or
; drop. The GUI asks for it to be closed; silent mode ends with
; EXIT_SETTINGS_OPEN, having changed nothing.
Function CloseTombolix
  StrCpy $R1 "Tombolix2.scr"
  StrCpy $R5 "#32770"
  StrCpy $R6 "${SHEET_CAPTION}"
  settings:
    StrCpy $R0 0
    Call FindOwnWindow
    StrCmp $R0 0 closing
    System::Call 'kernel32::CloseHandle(p R2)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "The Tombolix settings are open. Press OK there to keep your changes or Cancel to drop them, then press Retry." \
      /SD IDCANCEL IDRETRY settings
    SetErrorLevel ${EXIT_SETTINGS_OPEN}
    Abort

  closing:
  ; Held by a running resident instance, of this version or an earlier one.
  StrCpy $TrayMutexExisted 0
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "BrackwenTombolix") p .R3'
  ${If} $R3 P<> 0
    StrCpy $TrayMutexExisted 1
    System::Call 'kernel32::CloseHandle(p R3)'
  ${EndIf}
  System::Call 'kernel32::GetTickCount() i .R9'
  IntOp $R9 $R9 + 5000
  ; Sessions first: their windows bear the title of an earlier version's.
  StrCpy $R5 "BrackwenTombolixSession"
  StrCpy $R6 ""
  Call CloseOwnWindows
  StrCpy $R7 0
  StrCpy $R5 "BrackwenTombolixTray"
  Call CloseOwnWindows
  StrCpy $TrayWasRunning $R7
  ; Earlier versions' windows had no class of their own, and their session's
  ; looked like their resident instance's: one of them was most likely the
  ; resident instance when that was switched on and its mutex was held.
  StrCpy $R7 0
  StrCpy $R5 ""
  StrCpy $R6 "${TITLE}"
  Call CloseOwnWindows
  ReadRegDWORD $0 HKCU "${CONFIG_KEY}" "UseTray"
  ${If} $R7 == 1
  ${AndIf} $0 == 1
  ${AndIf} $TrayMutexExisted == 1
    StrCpy $TrayWasRunning 1
  ${EndIf}
  StrCpy $R1 "Blank Screen.scr"
  StrCpy $R5 "BlankScreenSaver"
  StrCpy $R6 ""
  Call CloseOwnWindows
FunctionEnd
