#pragma once
// Reading the owner's env.mts into the process-wide settings.

// Reads env.mts over the current settings; "DeskFix=1" also writes the hang time-outs.
void LoadClientSettings();
