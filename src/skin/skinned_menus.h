#pragma once
// The skinned category windows (frmMain4, frmMain3) and the banner window frmMain2.
// Placeholders until the skinned windows land.

void ShowFrmMain4();
void ShowFrmMain3();
void ShowFrmMain2();
