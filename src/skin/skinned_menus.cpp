#include "skin/skinned_menus.h"

void ShowFrmMain4() {}
void ShowFrmMain3() {}
void ShowFrmMain2() {}
