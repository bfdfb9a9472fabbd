; SPDX-License-Identifier: GPL-3.0-or-later
; Orvetta's installer for 64-bit Windows. makensis is given VERSION (x.y.z),
; PROGRAM (orvetta.exe), ICON, LICENCE, POLICY (the Group Policy template's
; folder) and OUTFILE.
;
; The record lives where the game was always meant to keep it: fraprod.txt
; and fraprod1.txt in the Windows directory, one record for every player of
; the machine; or in the folder the machine policy RecordFolder names. A
; standard user may create nothing in the Windows directory, so the
; installer, as administrator, has orvetta.exe /prepare-record make every
; file the game needs (the pair, kept byte for byte where an older game left
; it, the lock and the journal of a save in progress) and let the group
; Users read and write those four files and nothing else. Uninstalling keeps
; the record.
;
; Exit codes, for deployment scripts (/S shows no box and says it so):
;   0 installed; 1 cancelled; 2 stopped part way (a file that could not be
;   written or given its rights); 3 nothing installed, a folder in the
;   record's folder has the name of a record file; 5 nothing installed,
;   not run as administrator; 6 nothing installed or removed, Orvetta is
;   running from the folder (a game, or the reset of the record).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvetta"

Name "Orvetta"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Orvetta"
; An upgrade goes where the last installation went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1040 "ProductName" "Orvetta"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di Orvetta"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvetta.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP|MB_OK "Per installare Orvetta servono i diritti di amministratore." /SD IDOK
    SetErrorLevel 5
    Quit
  ${EndIf}
  SetShellVarContext all
FunctionEnd

; Windows keeps a running program's file open: an upgrade or an uninstall
; would leave the old orvetta.exe behind, and say it had succeeded.
; Interactively the user is asked to close the game; silently, or when the
; user gives up, nothing is changed and the exit code says why.
!macro RefuseWhileRunning un
  Function ${un}RefuseWhileRunning
    ${IfNot} ${FileExists} "$INSTDIR\orvetta.exe"
      Return
    ${EndIf}
    retry:
    ClearErrors
    FileOpen $0 "$INSTDIR\orvetta.exe" a
    ${IfNot} ${Errors}
      FileClose $0
      Return
    ${EndIf}
    MessageBox MB_ICONEXCLAMATION|MB_RETRYCANCEL "Orvetta è aperto su questo computer (una partita o l'azzeramento del record).$\n$\nChiudilo, poi scegli Riprova. Annulla lascia tutto com'è." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 6
    Quit
  FunctionEnd
!macroend
!insertmacro RefuseWhileRunning ""
!insertmacro RefuseWhileRunning "un."

Function un.onInit
  SetShellVarContext all
  Call un.RefuseWhileRunning
FunctionEnd

; The record's files, made ready for every player by the program itself,
; where the game will look for them; before anything is installed, so that
; a record that cannot be prepared leaves no program behind.
Function PrepareRecord
  InitPluginsDir
  File "/oname=$PLUGINSDIR\orvetta.exe" "${PROGRAM}"
  nsExec::ExecToLog '"$PLUGINSDIR\orvetta.exe" /prepare-record'
  Pop $0
  ${If} $0 == 3
    MessageBox MB_ICONSTOP|MB_OK "Nella cartella del record c'è una cartella con il nome di un file del record (il nome è nei dettagli).$\n$\nSpostala o rinominala, poi installa di nuovo. Non è stato installato nulla." /SD IDOK
    SetErrorLevel 3
    Quit
  ${ElseIf} $0 != 0
    Abort "Il record non si può preparare (orvetta.exe /prepare-record: $0)."
  ${EndIf}
FunctionEnd

Section "Orvetta"
  Call RefuseWhileRunning
  Call PrepareRecord

  SetOutPath "$INSTDIR"
  File "/oname=orvetta.exe" "${PROGRAM}"
  File "/oname=COPYING.txt" "${LICENCE}"
  ; For the administrator to copy into PolicyDefinitions or the central store.
  SetOutPath "$INSTDIR\PolicyDefinitions"
  File "${POLICY}\orvetta.admx"
  SetOutPath "$INSTDIR\PolicyDefinitions\en-US"
  File "${POLICY}\en-US\orvetta.adml"
  SetOutPath "$INSTDIR\PolicyDefinitions\it-IT"
  File "${POLICY}\it-IT\orvetta.adml"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Orvetta.lnk" "$INSTDIR\orvetta.exe"
  ; For teachers: the game asks for an administrator's rights before the reset.
  CreateShortcut "$SMPROGRAMS\Azzera il record di Orvetta.lnk" "$INSTDIR\orvetta.exe" "/reset" "$INSTDIR\orvetta.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Orvetta"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvetta.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orvetta"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The record files stay, for the next installation to find.
Section "Uninstall"
  Delete "$SMPROGRAMS\Orvetta.lnk"
  Delete "$SMPROGRAMS\Azzera il record di Orvetta.lnk"
  Delete "$INSTDIR\orvetta.exe"
  Delete "$INSTDIR\COPYING.txt"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$INSTDIR\PolicyDefinitions\en-US\orvetta.adml"
  Delete "$INSTDIR\PolicyDefinitions\it-IT\orvetta.adml"
  Delete "$INSTDIR\PolicyDefinitions\orvetta.admx"
  RMDir "$INSTDIR\PolicyDefinitions\en-US"
  RMDir "$INSTDIR\PolicyDefinitions\it-IT"
  RMDir "$INSTDIR\PolicyDefinitions"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
