#pragma once
// The agent's "J2": the owner changed the menu layout or the position-fixing switch in env.mts.
void SwitchLayout();
