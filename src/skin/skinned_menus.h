#pragma once
// Opening the windows of the skinned layouts: the category window of layout 1 (frmMain4) or 2
// (frmMain3), which hides itself after its start-up work, and the banner window frmMain2.

void ShowFrmMain4();
void ShowFrmMain3();
void ShowFrmMain2();
