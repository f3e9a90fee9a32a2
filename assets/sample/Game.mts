[winemine]
Title=지뢰찾기
GName=지뢰찾기.lnk
TargetPath=C:\windows\system32\winemine.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\winemine.exe
[notepad]
Title=메모장
GName=메모장.lnk
TargetPath=C:\windows\system32\notepad.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\notepad.exe
[wordpad]
Title=워드패드
GName=워드패드.lnk
TargetPath=C:\Program Files\Windows NT\Accessories\wordpad.exe
WorkDir=C:\Program Files\Windows NT\Accessories
Args=
Group=Best
Gubn=LNK
Icon=C:\Program Files\Windows NT\Accessories\wordpad.exe
[clock]
Title=시계
GName=시계.lnk
TargetPath=C:\windows\system32\clock.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\clock.exe
[winefile]
Title=파일 관리자
GName=파일 관리자.lnk
TargetPath=C:\windows\system32\winefile.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\winefile.exe
[cmd]
Title=명령 프롬프트
GName=명령 프롬프트.lnk
TargetPath=C:\windows\system32\cmd.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\cmd.exe
[taskmgr]
Title=작업 관리자
GName=작업 관리자.lnk
TargetPath=C:\windows\system32\taskmgr.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\taskmgr.exe
[regedit]
Title=레지스트리 편집기
GName=레지스트리 편집기.lnk
TargetPath=C:\windows\regedit.exe
WorkDir=C:\windows
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\regedit.exe
[control]
Title=제어판
GName=제어판.lnk
TargetPath=C:\windows\system32\control.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\control.exe
[mouse]
Title=마우스
GName=마우스.lnk
TargetPath=C:\windows\system32\control.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\control.exe
[keyboard]
Title=키보드
GName=키보드.lnk
TargetPath=C:\windows\system32\control.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\control.exe
[winver]
Title=윈도우 정보
GName=윈도우 정보.lnk
TargetPath=C:\windows\system32\winver.exe
WorkDir=C:\windows\system32
Args=
Group=Best
Gubn=LNK
Icon=C:\windows\system32\winver.exe
[notepad2]
Title=메모장
GName=메모장.lnk
TargetPath=C:\windows\system32\notepad.exe
WorkDir=C:\windows\system32
Args=
Group=Etc
Gubn=LNK
Icon=C:\windows\system32\notepad.exe
[wordpad2]
Title=워드패드
GName=워드패드.lnk
TargetPath=C:\Program Files\Windows NT\Accessories\wordpad.exe
WorkDir=C:\Program Files\Windows NT\Accessories
Args=
Group=Etc
Gubn=LNK
Icon=C:\Program Files\Windows NT\Accessories\wordpad.exe
[write]
Title=워드 문서
GName=워드 문서.lnk
TargetPath=C:\windows\system32\write.exe
WorkDir=C:\windows\system32
Args=
Group=Etc
Gubn=LNK
Icon=C:\windows\system32\write.exe
[msinfo]
Title=시스템 정보
GName=시스템 정보.lnk
TargetPath=C:\windows\system32\msinfo32.exe
WorkDir=C:\windows\system32
Args=
Group=Etc
Gubn=LNK
Icon=C:\windows\system32\msinfo32.exe
[progman]
Title=프로그램 관리자
GName=프로그램 관리자.lnk
TargetPath=C:\windows\system32\progman.exe
WorkDir=C:\windows\system32
Args=
Group=Etc
Gubn=LNK
Icon=C:\windows\system32\progman.exe
