#include "catalog/download.h"

#include <gtest/gtest.h>

#include "store/files.h"
#include "store/registry.h"
#include "support/http_test_server.h"
#include "support/test_env.h"

using DownloadTest = TesselTest;

TEST_F(DownloadTest, OnlyAWholeSuccessfulAnswerCounts) {
  HttpTestServer server;
  server.Serve("/ok", HttpTestServer::Ok("line one\r\nline two\r\n"));
  server.Serve("/cut", HttpTestServer::Truncated("only the start"));

  EXPECT_TRUE(DownloadUrl(server.BaseUrl() + "/ok", Path("ok.txt")));
  EXPECT_EQ(ReadBytes("ok.txt"), "line one\r\nline two\r\n");

  EXPECT_FALSE(DownloadUrl(server.BaseUrl() + "/missing", Path("missing.txt")));
  EXPECT_FALSE(FileExists(Path("missing.txt")));
  EXPECT_FALSE(DownloadUrl(server.BaseUrl() + "/cut", Path("cut.txt")));
  EXPECT_FALSE(FileExists(Path("cut.txt")));
  EXPECT_FALSE(DownloadUrl(HttpTestServer::RefusingBaseUrl() + "/ok", Path("refused.txt")));
  EXPECT_FALSE(FileExists(Path("refused.txt")));
}

TEST_F(DownloadTest, ARepeatedDownloadFetchesTheNewestVersion) {
  HttpTestServer server;
  server.Serve("/list", HttpTestServer::Ok("first"));
  ASSERT_TRUE(DownloadUrl(server.BaseUrl() + "/list", Path("a.txt")));
  server.Serve("/list", HttpTestServer::Ok("second"));
  ASSERT_TRUE(DownloadUrl(server.BaseUrl() + "/list", Path("b.txt")));
  EXPECT_EQ(ReadBytes("b.txt"), "second");
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(DownloadTest, TheUpdateHostComesFromTheRegistryAndWithoutItNothingIsSent) {
  HttpTestServer server;
  server.Serve("/AutoUpdateorbix/GameLst.ini", HttpTestServer::Ok("[A]"));
  EXPECT_FALSE(DownloadFromUpdateHost("/AutoUpdateorbix/GameLst.ini", Path("g.ini")));
  EXPECT_TRUE(server.Requests().empty());

  std::string hostAndPort = server.BaseUrl().substr(7);  // without "http://", as owners type it
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "UpdateHost", " " + hostAndPort + "/ ");
  EXPECT_EQ(UpdateHost(), server.BaseUrl());
  EXPECT_TRUE(DownloadFromUpdateHost("/AutoUpdateorbix/GameLst.ini", Path("g.ini")));
  EXPECT_EQ(ReadBytes("g.ini"), "[A]");
}
