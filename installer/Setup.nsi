; The Tombolix setup.
;
; makensis -DARCH=x86|amd64 -DPROGRAM_DIR=<folder of the two .scr files>
;          -DHELP_DIR=<folder of Tombolix.htm and its screenshots/>
;          -DHELP_PICTURES=<HelpPictures.nsh> -DUNINSTALLER=<Uninstall.exe>
;          -DICON_FILE=<icon> -DOUTFILE=<setup.exe> Setup.nsi
;
; The screen savers go into the Windows system folder, where the display
; settings look for them: the 64-bit setup into the real System32, the
; 32-bit one (for 32-bit Windows only) into its System32. The help page, its
; pictures and the uninstaller go into a program folder.
; Nothing there that is not Tombolix's is overwritten. The user's collections
; (Tombolix2.ini in the Windows folder) and options (the program's registry
; key) are never written here, so an install over an earlier one keeps them.

Unicode true
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!endif

!include "MUI2.nsh"
!include "Common.nsh"

OutFile "${OUTFILE}"
; A file that cannot be written stops the setup instead of being skipped.
AllowSkipFiles off
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"

!if "${ARCH}" == "amd64"
  InstallDir "$PROGRAMFILES64\Tombolix"
!else
  InstallDir "$PROGRAMFILES\Tombolix"
!endif
; An earlier install is updated where it is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Tombolix.htm"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the help page"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE LeaveFolderPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

!macro InstallHelpPicture Name
  File "/oname=screenshots\${Name}" "${HELP_DIR}\screenshots\${Name}"
!macroend
!macro FindHelpPicture Name
  ${If} $0 == ""
  ${AndIf} ${FileExists} "$INSTDIR\screenshots\${Name}"
    StrCpy $0 "$INSTDIR\screenshots\${Name}"
  ${EndIf}
!macroend

; The 32-bit program that earlier setups put into SysWOW64 on 64-bit Windows.
!define OLD_32BIT_SAVER "$WINDIR\SysWOW64\Tombolix2.scr"
!define OLD_32BIT_BLANKER "$WINDIR\SysWOW64\Blank Screen.scr"

; The folder of the install that this one moves from: the one recorded among
; the installed programs when it is not $INSTDIR, else "".
Var OldFolder

; An update brings back the resident instance it had to close, and only that,
; from where it ran when the setup ends before replacing it.
Function RestartTray
  ${If} $TrayWasRunning == 1
    StrCpy $0 "$SYSDIR\Tombolix2.scr"
    !if "${ARCH}" == "amd64"
      ${IfNot} ${FileExists} $0
        StrCpy $0 "${OLD_32BIT_SAVER}"
      ${EndIf}
    !endif
    Exec '"$0" /tray'
  ${EndIf}
FunctionEnd

; Stops the run with Retry and Cancel while the file $0 cannot be opened
; with the access $1 that replacing (GENERIC_WRITE) or removing it (and
; DELETE) needs: silent mode, and Cancel, end it with EXIT_FILE_IN_USE.
; Nothing has changed yet but the closing of Tombolix, which is undone.
Function EnsureChangeable
  retry:
    IfFileExists $0 0 done
    ; Sharing everything, so that only what others deny counts.
    System::Call 'kernel32::CreateFileW(w r0, i r1, i 7, p 0, i 3, i 0, p 0) p .r2'
    ${If} $2 P<> -1
      System::Call 'kernel32::CloseHandle(p r2)'
      Goto done
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONSTOP \
      "$0 is in use and cannot be replaced or removed. Close the program that uses it, then press Retry." \
      /SD IDCANCEL IDRETRY retry
    Call RestartTray
    SetErrorLevel ${EXIT_FILE_IN_USE}
    Abort
  done:
FunctionEnd
!define TO_REPLACE 0x40000000
!define TO_REMOVE 0x40010000
!macro EnsureChangeable File Access
  StrCpy $0 "${File}"
  StrCpy $1 ${Access}
  Call EnsureChangeable
!macroend

!macro CheckHelpPicture Name
  !insertmacro EnsureChangeable "$INSTDIR\screenshots\${Name}" ${TO_REPLACE}
  ${If} $OldFolder != ""
    !insertmacro EnsureChangeable "$OldFolder\screenshots\${Name}" ${TO_REMOVE}
  ${EndIf}
!macroend

; Every file that the run replaces or removes, before it changes any.
Function CheckEveryFile
  !insertmacro EnsureChangeable "$SYSDIR\Tombolix2.scr" ${TO_REPLACE}
  !insertmacro EnsureChangeable "$SYSDIR\Blank Screen.scr" ${TO_REPLACE}
  !if "${ARCH}" == "amd64"
    !insertmacro EnsureChangeable "${OLD_32BIT_SAVER}" ${TO_REMOVE}
    !insertmacro EnsureChangeable "${OLD_32BIT_BLANKER}" ${TO_REMOVE}
  !endif
  !insertmacro EnsureChangeable "$INSTDIR\Uninstall.exe" ${TO_REPLACE}
  !insertmacro EnsureChangeable "$INSTDIR\Tombolix.htm" ${TO_REPLACE}
  ${If} $OldFolder != ""
    !insertmacro EnsureChangeable "$OldFolder\Uninstall.exe" ${TO_REMOVE}
    !insertmacro EnsureChangeable "$OldFolder\Tombolix.htm" ${TO_REMOVE}
  ${EndIf}
  !insertmacro ForEachHelpPicture CheckHelpPicture
FunctionEnd

; $OldFolder, and $0: the first file in the program folder that has one of
; Tombolix's names but is not Tombolix's, "" when there is none. The files of
; the recorded install in the same folder are Tombolix's, and so are those
; beside Tombolix's help page: an install whose entry is gone, repaired here.
Function FindForeignFile
  StrCpy $0 ""
  Call ReadInstalledFolder
  StrCpy $OldFolder $R0
  StrCpy $R0 $INSTDIR
  Call NormalizeFolder
  ${If} $OldFolder == $R0
    StrCpy $OldFolder ""
    Return
  ${EndIf}
  Call IsTombolixFolder
  ${If} $R1 == 1
    Return
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\Tombolix.htm"
    StrCpy $0 "$INSTDIR\Tombolix.htm"
  ${ElseIf} ${FileExists} "$INSTDIR\Uninstall.exe"
    StrCpy $0 "$INSTDIR\Uninstall.exe"
  ${EndIf}
  !insertmacro ForEachHelpPicture FindHelpPicture
FunctionEnd

!define FOREIGN_FILE_TEXT "already holds $0, which is not Tombolix's. Choose another folder for Tombolix."

; $R1: why the folder $R0 cannot hold Tombolix, "" when it can. It must be a
; full path on a drive or network share that is there, without characters
; that no name may have, and no part of it may be a file.
Function FindFolderFault
  StrCpy $R1 ""
  StrLen $R6 $R0
  StrCpy $R2 $R0 2
  StrCpy $R3 $R0 2 1
  ${If} $R2 == "\\"
    ; \\server\share: the root ends at the fourth backslash or the end.
    StrCpy $R4 0
    StrCpy $R5 2
    ${DoWhile} $R5 < $R6
      StrCpy $R3 $R0 1 $R5
      ${If} $R3 == "\"
        IntOp $R4 $R4 + 1
        ${IfThen} $R4 == 2 ${|} ${ExitDo} ${|}
      ${EndIf}
      IntOp $R5 $R5 + 1
    ${Loop}
    StrCpy $R2 $R0 $R5
    StrCpy $R3 $R0 1 2
    StrCpy $R7 $R2 1 -1
    ${If} $R4 == 0
    ${OrIf} $R3 == "\"
    ${OrIf} $R7 == "\"
      StrCpy $R1 "it names no network share"
      Return
    ${EndIf}
  ${ElseIf} $R3 == ":\"
    StrCpy $R5 2
  ${Else}
    StrCpy $R1 "it is not a full path, which starts with a drive such as C:\"
    Return
  ${EndIf}
  StrCpy $R2 $R0 $R5
  System::Call 'kernel32::GetFileAttributesW(w "$R2\") i .R3'
  IntOp $R4 $R3 & 0x10
  ${If} $R3 == -1
  ${OrIf} $R4 == 0
    StrCpy $R1 "$R2\ is not there"
    Return
  ${EndIf}
  ; Each folder on the way, and the folder itself, is a folder or not there.
  ${Do}
    IntOp $R5 $R5 + 1
    ${IfThen} $R5 > $R6 ${|} ${ExitDo} ${|}
    StrCpy $R3 $R0 1 $R5
    ${If} $R3 == "*"
    ${OrIf} $R3 == "?"
    ${OrIf} $R3 == '"'
    ${OrIf} $R3 == "<"
    ${OrIf} $R3 == ">"
    ${OrIf} $R3 == "|"
    ${OrIf} $R3 == ":"
      StrCpy $R1 "no name of a folder may hold $R3"
      Return
    ${EndIf}
    ${If} $R3 == "\"
    ${OrIf} $R5 == $R6
      StrCpy $R2 $R0 $R5
      System::Call 'kernel32::GetFileAttributesW(w R2) i .R3'
      IntOp $R4 $R3 & 0x10
      ${If} $R3 != -1
      ${AndIf} $R4 == 0
        StrCpy $R1 "$R2 is a file"
        Return
      ${EndIf}
    ${EndIf}
  ${Loop}
FunctionEnd

; Ends the run with EXIT_BAD_FOLDER, having changed nothing, when the folder
; $R0 cannot hold Tombolix.
Function RefuseBadFolder
  Call FindFolderFault
  ${If} $R1 != ""
    MessageBox MB_OK|MB_ICONSTOP "Tombolix cannot be installed in $R0: $R1." /SD IDOK
    SetErrorLevel ${EXIT_BAD_FOLDER}
    Quit
  ${EndIf}
FunctionEnd

Function LeaveFolderPage
  StrCpy $R0 $INSTDIR
  Call FindFolderFault
  ${If} $R1 != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "Tombolix cannot be installed in $R0: $R1. Choose another folder."
    Abort
  ${EndIf}
  Call FindForeignFile
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$INSTDIR ${FOREIGN_FILE_TEXT}"
    Abort
  ${EndIf}
FunctionEnd

Function .onInit
  !if "${ARCH}" != "amd64"
    ; Only the 64-bit program sees the real System32 and its screen savers
    ; as 64-bit Windows does.
    ${If} ${RunningX64}
      MessageBox MB_OK|MB_ICONEXCLAMATION \
        "This is the setup for 32-bit Windows. On 64-bit Windows, run TombolixSetup64.exe: it installs the 64-bit Tombolix, which finds every screen saver of the computer, and keeps your collections and options." \
        /SD IDOK
      SetErrorLevel ${EXIT_WRONG_SETUP}
      Quit
    ${EndIf}
  !endif
  !insertmacro FindScreenSaverPath
  ; NSIS cuts " /D=<folder>" off $CMDLINE and may put another folder in
  ; place of one it cannot use: the folder asked for is checked as given.
  System::Call 'kernel32::GetCommandLineW() w .r0'
  StrLen $1 $CMDLINE
  StrCpy $0 $0 "" $1
  StrCpy $1 $0 4
  ${If} $1 S== " /D="
    StrCpy $R0 $0 "" 4
    Call RefuseBadFolder
  ${EndIf}
FunctionEnd

Section "Tombolix" SecProgram
  SectionIn RO
  StrCpy $R0 $INSTDIR
  Call RefuseBadFolder
  Call TakeSetupLock
  Call FindForeignFile
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR ${FOREIGN_FILE_TEXT}" /SD IDOK
    SetErrorLevel ${EXIT_FOREIGN_FILES}
    Abort
  ${EndIf}
  ; A running Tombolix holds its files open; nothing is changed before every
  ; file can be replaced or removed.
  Call CloseTombolix
  Call CheckEveryFile

  ; The uninstaller and the entry that starts it come first, so that an
  ; install that fails later can still be removed.
  SetOutPath "$INSTDIR"
  File "/oname=Uninstall.exe" "${UNINSTALLER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$ScreenSaverPath,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  SetOutPath "$SYSDIR"
  File "${PROGRAM_DIR}\Tombolix2.scr"
  File "${PROGRAM_DIR}\Blank Screen.scr"
  !if "${ARCH}" == "amd64"
    ; An update of a 32-bit install: the 64-bit program takes its place.
    Delete "${OLD_32BIT_SAVER}"
    Delete "${OLD_32BIT_BLANKER}"
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $0 == "${OLD_32BIT_SAVER}"
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$ScreenSaverPath"
    ${EndIf}
    ReadINIStr $0 "$WINDIR\system.ini" "boot" "SCRNSAVE.EXE"
    ${If} $0 == "${OLD_32BIT_SAVER}"
      WriteINIStr "$WINDIR\system.ini" "boot" "SCRNSAVE.EXE" "$ScreenSaverPath"
    ${EndIf}
  !endif
  SetOutPath "$INSTDIR"
  File "${HELP_DIR}\Tombolix.htm"
  CreateDirectory "$INSTDIR\screenshots"
  !insertmacro ForEachHelpPicture InstallHelpPicture

  !if "${ARCH}" == "amd64"
    ; Every user changes the shared collections file, and a 64-bit program
    ; gets no file virtualisation: the file itself lets Users modify it.
    ${IfNot} ${FileExists} "$WINDIR\Tombolix2.ini"
      FileOpen $0 "$WINDIR\Tombolix2.ini" w
      FileClose $0
    ${EndIf}
    nsExec::Exec '"$SYSDIR\icacls.exe" "$WINDIR\Tombolix2.ini" /grant *S-1-5-32-545:(M)'
    Pop $0
  !endif

  ; Where every Help button looks for the page, with its final backslash.
  WriteRegStr HKCU "${CONFIG_KEY}" "InstallFolder" "$INSTDIR\"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${GetSize} "$SYSDIR" "/M=Tombolix2.scr /S=0K /G=0" $3 $1 $2
  ${GetSize} "$SYSDIR" "/M=Blank Screen.scr /S=0K /G=0" $4 $1 $2
  IntOp $0 $0 + $3
  IntOp $0 $0 + $4
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; A move takes the earlier install's files out of its folder, by name, and
  ; the folder when that leaves it empty: an uninstaller left there would
  ; remove the new install.
  ${If} $OldFolder != ""
    Delete "$OldFolder\Uninstall.exe"
    StrCpy $R0 $OldFolder
    Call RemoveHelpFiles
    RMDir "$OldFolder"
  ${EndIf}

  Call RestartTray
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
