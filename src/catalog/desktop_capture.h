#pragma once
// Capturing the shared desktop: the desktop-fix list DFList.MTS with copies of every shortcut,
// internet shortcut and folder under Skin\RDir (from which the desktop is restored), and the
// flist.txt listing of shortcut files.
#include <string>

struct FolderWalk {
  bool recurse = true;
  std::string folder;           // the folder being visited
  std::string pattern = "*.*";
  long count = 0;               // entries seen
  std::string root;             // the captured folder; FPATH is relative to it
  bool keepRootName = false;    // FPATH starts with the root's own name
};

// Runs BuildDesktopFixList (buildList) or WriteFileList for the folder, then descends into every
// subfolder whose name does not begin with "."; a folder that cannot be listed ends quietly.
void WalkFolder(FolderWalk& walk, bool buildList);
void BuildDesktopFixList(FolderWalk& walk);
void WriteFileList(FolderWalk& walk);

// The one game portal whose start page carries a "|" in its query: that page's plain address;
// any other address as it is.
std::string PlainPortalAddress(const std::string& address);
