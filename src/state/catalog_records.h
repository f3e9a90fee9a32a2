#pragma once
// The records of the catalog lists that the process-wide state holds.
#include <string>

// One menu category of Skin\Vdcate.ini. Code, Rank and State are fixed-width fields: always
// exactly their width, blank-padded.
struct Category {
  std::string Name;          // section name, the label the customer sees
  std::string Code = "  ";   // names the button pictures
  std::string Tag;           // the category's folder under the program folder
  std::string Rank = "  ";   // "99" when unused
  std::string State = " ";   // "1" shown
};

// One icon section of Game.mts.
struct GameEntry {
  std::string Key, Title, GName, TargetPath, WorkDir, Group, Gubn, Args, Icon;
  // Used only while scanning the downloaded game list.
  std::string Process, InsChk, Url, Date;
};

// One section of GameExe.ini.
struct GameLauncherEntry {
  std::string Name;      // section name; "ENV" in slot 0
  short State = 0;       // 1 in use
  short Rank = 0;        // 99 unused
  std::string Path;      // slot 0: the eight switches joined with "|"
  std::string TestPath;
  std::string ETitle;    // comma-separated menu titles, case ignored
  std::string URL;
  std::string Args;
  std::string Gubn;      // group "1" or "2"
};
