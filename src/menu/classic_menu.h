#pragma once
// Opening the classic menu window frmMain.

// Loads and shows it; its first activation fills it.
void OpenFrmMain();
