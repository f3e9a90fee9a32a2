#include "store/client_settings.h"

void LoadClientSettings() {}
