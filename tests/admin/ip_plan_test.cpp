#include "admin/ip_plan.h"

#include <gtest/gtest.h>

#include "store/files.h"
#include "support/test_env.h"

using IpPlanTest = TesselTest;

TEST_F(IpPlanTest, GroupsAreReadInFileOrderAndMalformedOnesSkipped) {
  WriteTextFile(Path("ip.ini"),
                "[GROUP]\r\nGP03=10-12,10.0.0.10\r\nGP01= 1 - 3 , 10.0.0.1 \r\nGP04=5-4,10.0.0.5\r\nGP05=1-3\r\n"
                "GP06=a-3,10.0.0.1\r\nGP07=1-3,10.0.0\r\nGP08=1-300,10.0.0.1\r\nGP09=99999-99999,10.0.0.1\r\n",
                false, true);
  std::vector<IpGroup> groups = ReadIpGroups(Path("ip.ini"));
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].key, "GP03");
  EXPECT_EQ(groups[1].startPc, 1);
  EXPECT_EQ(groups[1].endPc, 3);
  EXPECT_EQ(groups[1].startIp, "10.0.0.1");
  EXPECT_EQ(GroupValue(groups[1]), "1-3,10.0.0.1");
  EXPECT_EQ(NextGroupKey(groups), "GP02") << "after the last key, not the highest";
  EXPECT_TRUE(ReadIpGroups(Path("none.ini")).empty());

  std::string many = "[GROUP]\r\n";
  for (int i = 0; i < 100; ++i) many += "GP" + std::to_string(i) + "=1-200,10.0.0.1\r\n";
  WriteTextFile(Path("ip.ini"), many, false, false);
  EXPECT_EQ(ReadIpGroups(Path("ip.ini")).size(), static_cast<size_t>(kMostPlannedPcs / 200)) << "a plan has a limit";
}

TEST(IpPlan, AddressesAndKeys) {
  struct Case {
    const char* text;
    bool valid;
  } cases[] = {{"192.168.0.1", true}, {"0.0.0.0", true},   {"255.255.255.255", true}, {" 10. 0.0.1", true},
               {"10.0.1", false},     {"1.2.3.4.5", false}, {"10.0.256.1", false},    {"10..0.1", false},
               {"-1.0.0.1", false},   {"a.b.c.d", false},   {"1e2.0.0.1", false},     {"", false}};
  for (const Case& c : cases) EXPECT_EQ(ParseIpAddress(c.text).has_value(), c.valid) << c.text;

  IpGroup group{"GP01", 11, 50, "192.168.0.11"};
  EXPECT_EQ(GroupAddress(group, 11), "192.168.0.11");
  EXPECT_EQ(GroupAddress(group, 50), "192.168.0.50");
  EXPECT_TRUE(GroupHoldsPc(group, 11) && GroupHoldsPc(group, 50) && !GroupHoldsPc(group, 51));
  EXPECT_TRUE(GroupHoldsAddress(group, "192.168.0.50"));
  EXPECT_FALSE(GroupHoldsAddress(group, "192.168.0.51"));
  EXPECT_FALSE(GroupHoldsAddress(group, "192.168.1.20"));
  EXPECT_FALSE(GroupHoldsAddress(group, "192.168.0.x"));

  EXPECT_EQ(NextGroupKey({}), "GP01");
  EXPECT_EQ(NextGroupKey({{"GP09", 1, 1, "1.1.1.1"}}), "GP10");
  EXPECT_EQ(NextGroupKey({{"GP123", 1, 1, "1.1.1.1"}}), "GP124");
  EXPECT_EQ(NextGroupKey({{"G", 1, 1, "1.1.1.1"}}), "GP01");
}
