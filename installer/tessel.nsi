; TesselSetup.exe: installs the Tessel client into a program folder the owner chooses, by hand or
; silently (/S /D=folder), and upgrades an earlier install in place.
; Made by make-setup, which defines VERSION, OUTPUT, ICON, SIDE_PICTURE (the finish page's) and
; LISTS (the generated file lists).
;
; The program folder holds the owner's data beside the program (env.mts, Game.mts, ip.ini,
; ipc.ini, the files directly in Skin\, logs, category folders): the uninstaller removes only
; the files this setup put there, unless asked to remove the whole folder (/PURGE when silent).

Unicode true
Target amd64-unicode
ManifestDPIAware true
ManifestSupportedOS all
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define CDGAME_KEY "Software\Harrow\CDGame"
!define TESSEL_KEY "Software\Orbix\Tessel"
!define HWND_MESSAGE -3

Name "Tessel"
OutFile "${OUTPUT}"
; Outside Program Files: the program writes its settings and lists into its own folder.
InstallDir "C:\Tessel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tessel ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

Var ClosedProgram
Var Upgrade

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_ABORTWARNING
!define MUI_DIRECTORYPAGE_TEXT_TOP "Tessel을 설치할 폴더를 고르십시오. 설정 파일(env.mts)과 게임 목록, 기록도 이 폴더에 저장되므로 Program Files 밖의 폴더를 권합니다. 이미 설치된 폴더를 고르면 설정은 그대로 두고 프로그램만 새로 바꿉니다."
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Tessel이 설치되었습니다.$\r$\n$\r$\nWindows를 시작할 때 Tessel도 함께 시작됩니다. 지금 시작하려면 시작 메뉴의 Tessel을 누르십시오."
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "프로그램 파일을 삭제합니다. 설정과 자료(env.mts, Game.mts, IP 목록, Skin 폴더의 설정 파일, 기록)는 아래 항목을 고를 때만 삭제됩니다."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Korean"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_KOREAN} "ProductName" "Tessel"
VIAddVersionKey /LANG=${LANG_KOREAN} "CompanyName" "Orbix"
VIAddVersionKey /LANG=${LANG_KOREAN} "FileDescription" "Tessel 설치"
VIAddVersionKey /LANG=${LANG_KOREAN} "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_KOREAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_KOREAN} "LegalCopyright" "Copyright (C) Orbix"

; Ends a running Tessel through its tray window, as the program ends itself, so that its files can
; be replaced; sets $ClosedProgram when there was one. Its process leaves a moment after the window.
!macro CLOSE_PROGRAM un
Function ${un}CloseProgram
  StrCpy $ClosedProgram 0
  FindWindow $0 "FrmTray" "" ${HWND_MESSAGE}
  ${If} $0 = 0
    Return
  ${EndIf}
  DetailPrint "실행 중인 Tessel을 종료합니다."
  StrCpy $ClosedProgram 1
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ${For} $1 1 100
    FindWindow $0 "FrmTray" "" ${HWND_MESSAGE}
    ${If} $0 = 0
    ${AndIf} ${FileExists} "$INSTDIR\TSLC.exe"
      ; The program file opens for writing once its process has let go of it.
      ClearErrors
      FileOpen $2 "$INSTDIR\TSLC.exe" a
      ${IfNot} ${Errors}
        FileClose $2
        ${Break}
      ${EndIf}
    ${ElseIf} $0 = 0
      ${Break}
    ${EndIf}
    Sleep 100
  ${Next}
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAM ""
!insertmacro CLOSE_PROGRAM "un."

; /NAME=value on the command line becomes the program's setting VALUE (read in the 32-bit view).
!macro HOST_OPTION parameters option value
  ClearErrors
  ${GetOptions} ${parameters} "${option}" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 != ""
    WriteRegStr HKCU "${TESSEL_KEY}" "${value}" $1
  ${EndIf}
!macroend

Function .onInit
  SetRegView 64
FunctionEnd

Section "Tessel" SecProgram
  SectionIn RO
  Call CloseProgram
  ${If} ${FileExists} "$INSTDIR\Uninstall.exe"
    ; The earlier version removes its own program files; the owner's data stays.
    DetailPrint "이전 버전의 프로그램 파일을 정리합니다."
    ExecWait '"$INSTDIR\Uninstall.exe" /S /UPGRADE _?=$INSTDIR'
  ${EndIf}

  !include "${LISTS}/install.nsh"
  CreateDirectory "$INSTDIR\Skin\Log"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tessel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orbix"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TSLC.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; What the program itself writes, in the 32-bit view it and the cafe's tools use: the agent's
  ; start entry, which the program keeps when it prunes the machine's Run key at shutdown, and
  ; where the agent finds the program.
  SetRegView 32
  WriteRegStr HKLM "${RUN_KEY}" "Tessel" "$INSTDIR\TSLC_Ag.exe"
  WriteRegStr HKCU "${CDGAME_KEY}" "szDir" "$INSTDIR"
  WriteRegStr HKCU "${CDGAME_KEY}" "szFile" "TSLC.exe"
  ; The cafe's servers, given on the command line when the setup is pushed to every PC.
  ${GetParameters} $0
  !insertmacro HOST_OPTION $0 "/UPDATEHOST=" "UpdateHost"
  !insertmacro HOST_OPTION $0 "/PATCHHOST=" "PatchHost"
  SetRegView 64

  ; The program starts with Windows from the common Startup folder: the program prunes the
  ; machine's Run key down to the agent and the owner's list, and leaves this folder alone.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMSTARTUP\Tessel.lnk" "$INSTDIR\TSLC.exe"
  CreateShortcut "$SMPROGRAMS\Tessel.lnk" "$INSTDIR\TSLC.exe"

  ${If} $ClosedProgram = 1
    Exec '"$INSTDIR\TSLC.exe"'
  ${EndIf}
SectionEnd

Section "un.Tessel" UnSecProgram
  SectionIn RO
  Call un.CloseProgram
  !include "${LISTS}/uninstall.nsh"
  ${If} $Upgrade = 1
    Return
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  SetRegView 32
  ReadRegStr $0 HKLM "${RUN_KEY}" "Tessel"
  ${If} $0 == "$INSTDIR\TSLC_Ag.exe"
    DeleteRegValue HKLM "${RUN_KEY}" "Tessel"
  ${EndIf}
  ReadRegStr $0 HKCU "${CDGAME_KEY}" "szDir"
  ${If} $0 == "$INSTDIR"
    DeleteRegValue HKCU "${CDGAME_KEY}" "szDir"
    DeleteRegValue HKCU "${CDGAME_KEY}" "szFile"
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
  Delete "$SMSTARTUP\Tessel.lnk"
  Delete "$SMPROGRAMS\Tessel.lnk"
  ; Last, so that whoever waits for the uninstaller to finish can watch for this file to go.
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR\Skin\Log"
  RMDir "$INSTDIR\Skin"
  RMDir "$INSTDIR"
SectionEnd

Section /o "un.설정과 자료도 삭제" UnSecData
  ; Never a whole drive or a folder of Windows itself, whatever the folder was called.
  StrLen $0 "$INSTDIR"
  ${If} $0 <= 3
  ${OrIf} "$INSTDIR" == "$WINDIR"
  ${OrIf} "$INSTDIR" == "$PROGRAMFILES32"
  ${OrIf} "$INSTDIR" == "$PROGRAMFILES64"
  ${OrIf} "$INSTDIR" == "$PROFILE"
    DetailPrint "$INSTDIR 폴더는 지우지 않습니다."
    Return
  ${EndIf}
  SetRegView 32
  DeleteRegKey HKCU "${TESSEL_KEY}"
  SetRegView 64
  ; Last, so that whoever waits for the uninstaller to finish can watch for the folder to go.
  RMDir /r "$INSTDIR"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "Tessel이 설치한 프로그램 파일, 바로 가기, 시작 프로그램 등록을 지웁니다."
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecData} "$INSTDIR 폴더 전체(설정, 게임 목록, IP 목록, 기록, 카테고리 폴더)와 이 사용자의 Tessel 설정도 지웁니다."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
  SetRegView 64
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/UPGRADE" $1
  ${IfNot} ${Errors}
    StrCpy $Upgrade 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/PURGE" $1
  ${IfNot} ${Errors}
  ${AndIf} $Upgrade != 1
    !insertmacro SelectSection ${UnSecData}
  ${EndIf}
FunctionEnd
