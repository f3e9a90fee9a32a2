[ENV]
ltype=0
gameexe=0
BGIMG=0
Fixed=00
NOTE1=Tessel PC방에 오신 것을 환영합니다. 즐거운 시간 보내세요!
NOTE2=음식과 음료는 카운터에서 주문하실 수 있습니다.
NOTE3=자리를 비우실 때는 개인 정보를 꼭 로그아웃해 주세요.
NOTECOLOR=232,237,245
