#pragma once
// The two questions put straight to the maker's web service: the week's patch schedule and the
// games under inspection. Both post to /middleware/mid_gamepatch.php on the host configured per
// PC as string value PatchHost under HKCU\SOFTWARE\Orbix\Tessel ("host" or "scheme://host:port");
// without it nothing is sent and the question fails as an unreachable server does.
//
// The call blocks the window thread, so the component's minute-long defaults are cut down:
// 2 s to resolve, 3 s to connect, 3 s to send and 5 s to wait for the answer, and the whole
// exchange is given up after their sum, 13 s, whatever the server does. A stalled server holds
// the window for at most that long; a refused connection fails at once.
#include <optional>
#include <string>

#include "store/http_post.h"

inline constexpr HttpTimeouts kPatchServerTimeouts{2000, 3000, 3000, 5000};

// The answer as text, nothing when the question failed.
std::optional<std::string> AskPatchServer(const std::string& body);

// Asks again only when forced, or when the table is empty or the last question is an hour old.
void QueryWeeklySchedule(bool force);
// Asks at most every 2 minutes; a failed question leaves nothing under inspection.
void QueryInspectionList();
// The inspection rule over the list held.
bool IsPatchableNow(const std::string& code, int checkOn);
