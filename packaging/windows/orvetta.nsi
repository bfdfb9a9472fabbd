; SPDX-License-Identifier: GPL-3.0-or-later
; Orvetta's installer for 64-bit Windows. makensis is given VERSION (x.y.z),
; PROGRAM (orvetta.exe), ICON, LICENCE and OUTFILE.
;
; The record lives where the game was always meant to keep it: fraprod.txt
; and fraprod1.txt in the Windows directory, one record for every player of
; the machine. A standard user may create nothing there, so the installer,
; as administrator, makes every file the game needs (the pair, kept byte for
; byte where an older game left it, the lock and the journal of a save in
; progress) and lets the group Users read and write those four files and
; nothing else. Uninstalling keeps the record.
;
; Exit codes, for deployment scripts (/S shows no box and says it so):
;   0 installed; 1 cancelled; 2 stopped part way (a file that could not be
;   written or given its rights); 3 nothing installed, a folder in the
;   Windows directory has the name of a record file; 5 nothing installed,
;   not run as administrator; 6 nothing installed or removed, Orvetta is
;   running from the folder (a game, or the reset of the record).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvetta"
; The local group Users, by its well-known SID: its name is translated.
!define USERS_SID "*S-1-5-32-545"

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

; Stops before anything is installed when $WINDIR\<name> is a folder, where
; the game needs a file of its own.
!macro RefuseFolderAt name
  ${If} ${FileExists} "$WINDIR\${name}\*.*"
    MessageBox MB_ICONSTOP|MB_OK "$WINDIR\${name} è una cartella, ma Orvetta vi deve tenere un file del record.$\n$\nSpostala o rinominala, poi installa di nuovo. Non è stato installato nulla." /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
!macroend

Function .onInit
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP|MB_OK "Per installare Orvetta servono i diritti di amministratore." /SD IDOK
    SetErrorLevel 5
    Quit
  ${EndIf}
  !insertmacro RefuseFolderAt "fraprod.txt"
  !insertmacro RefuseFolderAt "fraprod1.txt"
  !insertmacro RefuseFolderAt "fraprod.lock"
  !insertmacro RefuseFolderAt "fraprod.journal"
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

; Makes $WINDIR\<name> when it is missing (a file already there is kept as it
; is) and lets Users read and write it.
!macro PrepareRecordFile name
  ${IfNot} ${FileExists} "$WINDIR\${name}"
    ClearErrors
    FileOpen $0 "$WINDIR\${name}" w
    FileClose $0
    ${If} ${Errors}
      Abort "Non si può creare $WINDIR\${name}."
    ${EndIf}
  ${EndIf}
  ; A read-only attribute, which a pupil may set, would keep every game out.
  SetFileAttributes "$WINDIR\${name}" NORMAL
  ; Read and write, not delete: a pupil may change the record, as with the
  ; original game, but cannot take it away from the others.
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$WINDIR\${name}" /grant ${USERS_SID}:(R,W)'
  Pop $0
  ${If} $0 != 0
    Abort "Non si possono dare agli utenti i diritti su $WINDIR\${name} (icacls: $0)."
  ${EndIf}
!macroend

Section "Orvetta"
  Call RefuseWhileRunning
  ; The record first: where it cannot be prepared, no program is left behind.
  !insertmacro PrepareRecordFile "fraprod.txt"
  !insertmacro PrepareRecordFile "fraprod1.txt"
  !insertmacro PrepareRecordFile "fraprod.lock"
  !insertmacro PrepareRecordFile "fraprod.journal"

  SetOutPath "$INSTDIR"
  File "/oname=orvetta.exe" "${PROGRAM}"
  File "/oname=COPYING.txt" "${LICENCE}"
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
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
