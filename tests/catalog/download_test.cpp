#include "catalog/download.h"

#include <gtest/gtest.h>

#include "store/files.h"
#include "support/http_test_server.h"
#include "support/test_env.h"

using DownloadTest = TesselTest;

TEST_F(DownloadTest, OnlyAWholeSuccessfulAnswerCountsAndEveryDownloadAsksTheServer) {
  HttpTestServer server;
  server.Serve("/ok", HttpTestServer::Ok("first"));
  server.Serve("/cut", HttpTestServer::Truncated("only the start"));
  EXPECT_TRUE(DownloadUrl(server.BaseUrl() + "/ok", Path("a.txt")));
  server.Serve("/ok", HttpTestServer::Ok("line one\r\nline two\r\n"));
  EXPECT_TRUE(DownloadUrl(server.BaseUrl() + "/ok", Path("b.txt")));
  EXPECT_EQ(ReadBytes("b.txt"), "line one\r\nline two\r\n") << "not a cached copy";

  for (const std::string& url : {server.BaseUrl() + "/missing", server.BaseUrl() + "/cut",
                                 HttpTestServer::RefusingBaseUrl() + "/ok"}) {
    EXPECT_FALSE(DownloadUrl(url, Path("failed.txt"))) << url;
    EXPECT_FALSE(FileExists(Path("failed.txt"))) << url;
  }
}
