#include <gtest/gtest.h>

#include "patch/descriptor_file.h"
#include "patch/run_log_rules.h"

TEST(RunLog, RecordsAndWords) {
  auto records = ParseRunLog(
      "[lin]\r\nGName=리니지\r\nSTime=t1\r\nETime=t2\r\nstate=S\r\n"
      "[mx]\r\nGNAME=MX\r\nSTime=t3\r\n"
      "[wait]\r\nGName=Wait\r\n"
      "[odd]\r\nSTATE=Q\r\n");
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[1].gname, "리니지");
  const char* words[] = {"", "성공", "진행중", "", ""};
  for (size_t i = 1; i < records.size(); ++i) EXPECT_EQ(OutcomeWord(records[i]), words[i]) << i;
  struct {
    const char* state;
    const char* word;
    bool retry;
  } letters[] = {{"S", "성공", false}, {"F", "실패", true},       {"X", "설치안됨", false}, {"N", "최신버전", false},
                 {"O", "재설치필요", false}, {"T", "점검중", false}, {"C", "패치중지함", true}};
  for (const auto& letter : letters) {
    RunRecord record{"s", "g", "", "", letter.state};
    EXPECT_EQ(OutcomeWord(record), letter.word);
    EXPECT_EQ(GoesToRetryList(record), letter.retry);
  }
}

TEST(RunLog, FollowingFillsOnlyOpenRecordsFromFirstSections) {
  auto records = ParseRunLog("[a]\nGName=A\n[b]\nGName=B\n[c]\nGName=C\n[a]\nGName=A again\n");
  records[1].state = "S";
  records[1].etime = "kept";
  auto failed = FollowRunLog(
      "[a]\nSTATE=F\n[B]\nSTime= x \nSTATE=F\n[c]\nSTime=y\n[a]\nSTime=second\nSTATE=S\n[c]\nSTATE=S\n", records);
  EXPECT_EQ(records[1].etime, "kept") << "a closed record is not read again";
  EXPECT_EQ(records[2].stime, "x");
  EXPECT_EQ(failed, (std::vector<size_t>{2, 4}));
  EXPECT_EQ(records[3].state, "") << "only the first section of a name counts";
  EXPECT_EQ(records[4].state, "F") << "a later run's section of the same game reads the first";

  // The engine finished writing the failed section between the two reads.
  RereadRunRecords("[b]\nSTime=x\nETime=z\nSTATE=F\n", records, failed);
  EXPECT_EQ(records[2].etime, "z");
}

TEST(RunLog, SectionsWeWrite) {
  auto game = ParseDescriptors("[x]\nname=Lin\nin_name=lin\ncmpy=NC\np_type=3\ninfo=a/b/L01\nsync_reg1=R1\n").at(1);
  EXPECT_EQ(RunLogSection(game, false), "[lin]\r\nGName=Lin\r\ncmpy=NC\r\np_type=3\r\nGCode=L01\r\n");
  EXPECT_EQ(RunLogSection(game, true, "2024-01-08 10:00:00"),
            "[lin]\r\nGName=Lin\r\ncmpy=NC\r\np_type=3\r\nGCode=L01\r\nreg1=R1\r\nreg2=\r\n"
            "STime=2024-01-08 10:00:00\r\nETime=2024-01-08 10:00:00\r\nSTATE=T\r\n");
}
