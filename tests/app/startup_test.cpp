#include "app/startup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "store/forms.h"
#include "store/text_codec.h"
#include "support/test_env.h"

using StartupTest = TesselTest;

TEST_F(StartupTest, ExecutableFolderHasNoTrailingBackslash) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::string full = Narrow(path);
  EXPECT_EQ(ExecutableFolder(), full.substr(0, full.rfind('\\')));
}

TEST_F(StartupTest, UnknownLayoutsOpenNoMenuWindow) {
  for (int ltype : {3, -1, 99}) OpenMenuWindows(ltype);
  for (const char* form : {"frmMain", "frmMain2", "frmMain3", "frmMain4"}) EXPECT_FALSE(IsFormLoaded(form));
}
