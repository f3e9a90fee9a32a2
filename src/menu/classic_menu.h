#pragma once
// The classic menu window frmMain. Placeholder until the window lands.

void OpenFrmMain();
