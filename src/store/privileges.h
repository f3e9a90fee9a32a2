#pragma once
// Privileges of this process that Windows wants switched on before certain calls.

// Switches on the shutdown privilege, without which Windows refuses to restart or shut down for
// the program. False when the process does not hold it.
bool EnableShutdownPrivilege();
