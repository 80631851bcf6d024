; The Tombolix uninstaller, Uninstall.exe in the program folder.
;
; makensis -DARCH=x86|amd64 -DHELP_PICTURES=<HelpPictures.nsh>
;          -DREMOVER=<RemoveAfterExit.exe> -DICON_FILE=<icon>
;          -DOUTFILE=<Uninstall.exe> Uninstall.nsi
;
; It runs where it is, so that whoever starts it waits for it and gets its
; true exit code, and removes by name exactly what the setup put in place.
; Its own file and the folder go last, by a helper that waits for this
; process to end (RemoveAfterExit.cpp).

Unicode true
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!endif

!include "MUI2.nsh"
!include "Common.nsh"

OutFile "${OUTFILE}"
Caption "${PRODUCT} Uninstall"
InstallButtonText "&Uninstall"
VIAddVersionKey "FileDescription" "${PRODUCT} Uninstall"

!define MUI_ICON "${ICON_FILE}"
!define MUI_PAGE_HEADER_TEXT "Uninstall ${PRODUCT}"
!define MUI_PAGE_HEADER_SUBTEXT "Choose what to remove from your computer."
!define MUI_COMPONENTSPAGE_TEXT_TOP "The screen savers, the help page and the entries Tombolix made in Windows are removed. Tick the second item to remove your collections (Tombolix2.ini and your copies of it) and options too; leave it unticked to keep them for a later install."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "Select what to remove:"
; The list takes the page's width, so that no item is cut; the text above
; says what each does.
!define MUI_COMPONENTSPAGE_NODESC
SpaceTexts none
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_HEADER_TEXT "Uninstalling"
!define MUI_PAGE_HEADER_SUBTEXT "Please wait while ${PRODUCT} is being removed."
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "Uninstallation Complete"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "${PRODUCT} was removed from your computer."
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "Uninstallation Aborted"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "${PRODUCT} is still installed: run the uninstaller again to finish."
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Deletes the file $0; while it stays, Retry and Cancel, and silent mode
; and Cancel end the run with EXIT_FILE_IN_USE.
Function RemoveOrStop
  retry:
    Delete $0
    IfFileExists $0 0 done
    MessageBox MB_RETRYCANCEL|MB_ICONSTOP \
      "$0 is in use and cannot be removed. Close the program that uses it, then press Retry." \
      /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_FILE_IN_USE}
    Abort
  done:
FunctionEnd
!macro RemoveUsersFile Path
  StrCpy $0 "${Path}"
  Call RemoveOrStop
!macroend

; It removes the install that the installed-programs entry records, and only
; from that folder: a copy elsewhere would take its own folder for the
; program's and remove the files there of Tombolix's names. With none
; recorded, only an install whose entry is gone: its own folder when that
; holds Tombolix's help page.
Function CheckFolder
  Call ReadInstalledFolder
  ${If} $R0 == ""
    StrCpy $R0 $EXEDIR
    Call NormalizeFolder
    Call IsTombolixFolder
    ${If} $R1 == 1
      StrCpy $INSTDIR $R0
      Return
    ${EndIf}
    MessageBox MB_OK|MB_ICONINFORMATION "Tombolix is not installed: there is nothing to remove." /SD IDOK
    SetErrorLevel 0
    Abort
  ${EndIf}
  StrCpy $INSTDIR $R0
  StrCpy $R0 $EXEDIR
  Call NormalizeFolder
  ${If} $R0 != $INSTDIR
    MessageBox MB_OK|MB_ICONSTOP \
      "Tombolix is installed in $INSTDIR, and this uninstaller is not that install's. To remove Tombolix, uninstall ${PRODUCT} from the list of installed programs." \
      /SD IDOK
    SetErrorLevel ${EXIT_NOT_INSTALLED_HERE}
    Abort
  ${EndIf}
FunctionEnd

Section "Tombolix" SecProgram
  SectionIn RO
  ; Out of the program folder, which the working folder would hold.
  SetOutPath "$TEMP"
  Call TakeSetupLock
  ; Another run may have removed or moved the install meanwhile.
  Call CheckFolder
  Call CloseTombolix
  ; The files first: while one stays, the program stays listed among the
  ; installed programs, to be uninstalled again.
  StrCpy $0 "$SYSDIR\Tombolix2.scr"
  Call RemoveOrStop
  StrCpy $0 "$SYSDIR\Blank Screen.scr"
  Call RemoveOrStop

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
  ; The empty collections file the setup made; one with collections stays.
  ${GetSize} "$WINDIR" "/M=Tombolix2.ini /S=0B /G=0" $0 $1 $2
  ${If} $1 == 1
  ${AndIf} $0 == 0
    Delete "$WINDIR\Tombolix2.ini"
  ${EndIf}
  Call RemoveStoredSettings
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; By name: a folder the user chose keeps whatever else is in it.
  StrCpy $R0 $INSTDIR
  Call RemoveHelpFiles
SectionEnd

; Its work is done by the first section, while Tombolix is still listed.
Section /o "Also remove my collections and settings" SecSettings
SectionEnd

; With the second item ticked, or /REMOVESETTINGS: the user's collections and
; options, all that the program's own uninstall step removes, with the same
; two marks written back, so that no later start imports the previous
; version's Tombolix.ini again or takes a VirtualStore copy over. What stays
; ends the run as RemoveOrStop does, Tombolix still listed.
Function RemoveStoredSettings
  ${IfNot} ${SectionIsSelected} ${SecSettings}
    Return
  ${EndIf}
  retry:
    DeleteRegKey HKCU "${OPTIONS_KEY}"
    ClearErrors
    ; Opened only while it is still there.
    EnumRegKey $0 HKCU "${OPTIONS_KEY}" 0
    IfErrors 0 kept
    ClearErrors
    WriteRegDWORD HKCU "${CONFIG_KEY}" "OlderFileImported" 1
    WriteRegDWORD HKCU "${CONFIG_KEY}" "VirtualStoreAdopted" 1
    IfErrors 0 removed
  kept:
    MessageBox MB_RETRYCANCEL|MB_ICONSTOP \
      "Your Tombolix options in HKEY_CURRENT_USER\${OPTIONS_KEY} cannot be removed. Press Retry to try again." \
      /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_OPTIONS_KEPT}
    Abort
  removed:
  !insertmacro RemoveUsersFile "$WINDIR\Tombolix2.ini"
  ; The record of a save, what a save cut off left beside it, and the mark
  ; of a void record, in the user's roaming profile; their folders when empty.
  !insertmacro RemoveUsersFile "$APPDATA\Brackwen\Tombolix2\Tombolix2.ini.saving"
  !insertmacro RemoveUsersFile "$APPDATA\Brackwen\Tombolix2\Tombolix2.ini.saving.new"
  !insertmacro RemoveUsersFile "$APPDATA\Brackwen\Tombolix2\Tombolix2.ini.saving.void"
  RMDir "$APPDATA\Brackwen\Tombolix2"
  RMDir "$APPDATA\Brackwen"
  ; The user's copy that Windows kept for the 32-bit program, under the
  ; Windows folder's path without its drive.
  StrCpy $0 $WINDIR "" 2
  !insertmacro RemoveUsersFile "$LOCALAPPDATA\VirtualStore$0\Tombolix2.ini"
FunctionEnd

Function .onInit
  !insertmacro FindScreenSaverPath
  ; The option ticked from the command line, for a silent run.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecSettings}
  ${EndIf}
  ; Abort here ends the run before any page shows.
  Call CheckFolder
FunctionEnd

Section "-Uninstall.exe and the program folder"
  ; A helper in the temporary folder removes them once this process has
  ; ended. Windows deletes the helper's file when its last handle closes:
  ; this process opens it for that, and the helper inherits the handle.
  System::Call 'kernel32::GetCurrentProcessId() i .r1'
  StrCpy $2 "$TEMP\~TombolixRemove$1.exe"
  File "/oname=$2" "${REMOVER}"
  ; GENERIC_READ | DELETE, shared for reading and deleting, FILE_FLAG_DELETE_ON_CLOSE;
  ; then HANDLE_FLAG_INHERIT.
  System::Call 'kernel32::CreateFileW(w r2, i -2147418112, i 5, p 0, i 3, i 0x04000000, p 0) p .r4'
  System::Call 'kernel32::SetHandleInformation(p r4, i 1, i 1)'
  ; STARTUPINFOW: its size, then zeros.
  !if "${ARCH}" == "amd64"
    System::Call '*(i 104, &i100) p .r5'
  !else
    System::Call '*(i 68, &i64) p .r5'
  !endif
  System::Call '*(p, p, i, i) p .r6'
  System::Call 'kernel32::CreateProcessW(w r2, w `"$2" $1 "$EXEPATH"`, p 0, p 0, i 1, i 0, p 0, p 0, p r5, p r6) i .r0'
  ${If} $0 != 0
    System::Call '*$6(p .r7, p .r8)'
    System::Call 'kernel32::CloseHandle(p r7)'
    System::Call 'kernel32::CloseHandle(p r8)'
  ${Else}
    ; Without the helper they go at the next restart.
    Delete /REBOOTOK "$EXEPATH"
    RMDir /REBOOTOK "$INSTDIR"
  ${EndIf}
  System::Free $5
  System::Free $6
SectionEnd


