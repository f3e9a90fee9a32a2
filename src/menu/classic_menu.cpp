#include "menu/classic_menu.h"

void OpenFrmMain() {}
