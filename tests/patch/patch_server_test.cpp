#include <windows.h>

#include <gtest/gtest.h>

#include "catalog/clock.h"
#include "patch/patch_server.h"
#include "state/app_state.h"
#include "store/registry.h"
#include "support/http_test_server.h"
#include "support/test_env.h"

namespace {
constexpr const char* kPath = "/middleware/mid_gamepatch.php";

class PatchServerTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    SetClock([this] { return now; });
  }
  void TearDown() override {
    SetClock(nullptr);
    TesselTest::TearDown();
  }
  void UseHost(const std::string& host) { RegWriteString(HKEY_CURRENT_USER, kTesselKey, "PatchHost", host); }
  std::string Reg(const char* name) { return RegReadString(HKEY_CURRENT_USER, kTesselKey, name); }
  const std::array<ScheduleDay, 8>& Schedule() { return TheApp().Patch.schedule; }

  DateTime now{2024, 1, 9, 10, 0, 0};
};
}  // namespace

TEST_F(PatchServerTest, BothQuestionsAreTheExactPostsTheServiceExpects) {
  HttpTestServer server;
  UseHost(server.BaseUrl().substr(7));  // "127.0.0.1:port", as owners type it
  server.Serve(kPath, HttpTestServer::Ok("S/20240108^A01,A07/20240110^B03"));
  QueryWeeklySchedule(true);
  server.Serve(kPath, HttpTestServer::Ok("S^A01,C12"));
  QueryInspectionList();

  auto received = server.Received();
  ASSERT_EQ(received.size(), 2u);
  for (const auto& request : received) {
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, kPath);
    EXPECT_EQ(request.Header("Content-Type"), "application/x-www-form-urlencoded;Charset=utf-8;");
  }
  EXPECT_EQ(received[0].body, "mode=getpatchw&pkg=");
  EXPECT_EQ(received[1].body, "mode=getinspection");
  EXPECT_EQ(Schedule()[2].date, "2024-01-08");
  EXPECT_EQ(Schedule()[4].codes, (std::vector<std::string>{"B03"}));
  EXPECT_EQ(TheApp().Patch.inspection, (std::vector<std::string>{"A01", "C12"}));
  EXPECT_FALSE(IsPatchableNow("C12", 1));
  EXPECT_EQ(Reg("GPWeek"), "2024-01-09 10:00:00");
  EXPECT_EQ(Reg("GPCheck"), "2024-01-09 10:00:00");
}

TEST_F(PatchServerTest, QuestionsAreRepeatedOnlyWhenTheirTimeHasCome) {
  HttpTestServer server;
  UseHost(server.BaseUrl());
  server.Serve(kPath, HttpTestServer::Ok("S/20240108^A01"));
  QueryWeeklySchedule(false);
  now.minute = 59;
  QueryWeeklySchedule(false);
  EXPECT_EQ(server.Requests().size(), 1u) << "59 minutes";
  now = {2024, 1, 9, 11, 0, 0};
  QueryWeeklySchedule(false);
  EXPECT_EQ(server.Requests().size(), 2u) << "60 minutes";
  QueryWeeklySchedule(true);
  EXPECT_EQ(server.Requests().size(), 3u) << "forced";

  server.Serve(kPath, HttpTestServer::Ok("S^A01"));
  QueryInspectionList();
  now.minute = 1;
  QueryInspectionList();
  EXPECT_EQ(server.Requests().size(), 4u) << "1 minute";
  now.minute = 2;
  QueryInspectionList();
  EXPECT_EQ(server.Requests().size(), 5u) << "2 minutes";
}

TEST_F(PatchServerTest, FailedQuestionsCountAsAskedAndLeaveNothing) {
  HttpTestServer server;
  UseHost(server.BaseUrl());
  server.Serve(kPath, HttpTestServer::Ok("S/20240108^A01"));
  QueryWeeklySchedule(true);
  server.Serve(kPath, HttpTestServer::Ok("S^A01"));
  QueryInspectionList();
  ASSERT_EQ(Schedule()[2].date, "2024-01-08");

  for (auto failing : {HttpTestServer::ServerError(), HttpTestServer::HangUp(), HttpTestServer::Ok("F/20240108^A01")}) {
    server.Serve(kPath, failing);
    TheApp().Patch.inspection = {"A01"};
    now.hour += 1;
    QueryWeeklySchedule(false);
    QueryInspectionList();
    EXPECT_EQ(Schedule()[2].date, "");
    EXPECT_EQ(TheApp().Patch.inspection, std::vector<std::string>{""});
    EXPECT_EQ(Reg("GPCheck"), FormatDateTime(now));
  }

  RegDeleteValue(HKEY_CURRENT_USER, kTesselKey, "PatchHost");
  size_t asked = server.Requests().size();
  now.hour += 1;
  QueryWeeklySchedule(true);
  EXPECT_EQ(server.Requests().size(), asked) << "no host, no request";
  EXPECT_EQ(Reg("GPWeek"), FormatDateTime(now));
}

TEST_F(PatchServerTest, AStalledServerIsGivenUpWithinTheTimeOuts) {
  HttpTestServer server;
  UseHost(server.BaseUrl());
  server.Serve(kPath, HttpTestServer::Stalled(60000, "S^A01"));
  ULONGLONG started = GetTickCount64();
  QueryInspectionList();
  ULONGLONG waited = GetTickCount64() - started;
  EXPECT_EQ(TheApp().Patch.inspection, std::vector<std::string>{""});
  EXPECT_LT(waited, 30000u) << "the question gave up long before the server would have answered";
  EXPECT_EQ(server.Requests().size(), 1u);
}
