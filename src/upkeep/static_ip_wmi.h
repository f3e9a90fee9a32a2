#pragma once
// The second route of an address change: the Win32_NetworkAdapterConfiguration methods of every
// IP-enabled adapter. Results are not examined; any failure ends the attempt quietly.
#include "upkeep/network_identity.h"

void SetStaticIpThroughWmi(const IpTarget& target);
