// The recovery copy: its bytes read back, damaged copies refused, the copies
// of owners that stopped found, and a write cut anywhere leaving a whole copy.
#include "job/recovery_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

namespace fs = std::filesystem;

const TRecoveryCopy kCopy{"C:\\jobs\\плата.CSV", "2026-12-08 07:31:05", "#Bremlitz\r\nR1,1,\r\n\x01\xff"};

TEST(RecoveryCopy, ReadsBackWhatWasWrittenAndRefusesDamagedCopies) {
  const std::string bytes = FormatRecoveryCopy(kCopy);
  TRecoveryCopy read;
  std::string error;
  ASSERT_TRUE(ParseRecoveryCopy(bytes, read, error)) << error;
  EXPECT_EQ(read.JobPath, kCopy.JobPath);
  EXPECT_EQ(read.WrittenAt, kCopy.WrittenAt);
  EXPECT_EQ(read.JobBytes, kCopy.JobBytes);
  ASSERT_TRUE(ParseRecoveryCopy(FormatRecoveryCopy({"", "2026-12-08 07:31:05", ""}), read, error));
  EXPECT_EQ(read.JobPath, "") << "a job never saved";

  const struct {
    std::string Bytes;
    std::string Error;
  } damaged[] = {
      {"", "это не копия изменений"},
      {"#Bremlitz Vaskel\r\n", "это не копия изменений"},
      {bytes.substr(0, bytes.size() - 1), "копия записана не полностью"},
      {bytes + "x", "копия записана не полностью"},
      {bytes.substr(0, 45), "заголовок копии повреждён"},
  };
  for (const auto& copy : damaged) {
    error.clear();
    EXPECT_FALSE(ParseRecoveryCopy(copy.Bytes, read, error)) << copy.Bytes;
    EXPECT_EQ(error, copy.Error) << copy.Bytes;
  }
}

TEST(RecoveryCopy, TimesShowAsTheQuestionSaysThemAndTheNewestComesFirst) {
  EXPECT_EQ(RecoveryTimeText("2026-12-08 07:31:05"), "08.12.2026 07:31");
  EXPECT_EQ(RecoveryTimeText("вчера"), "вчера");
  std::vector<TRecoveryCopy> copies = {{"a", "2026-12-07 23:59:59", ""},
                                       {"b", "2026-12-08 07:31:05", ""},
                                       {"c", "2026-12-08 00:00:00", ""}};
  SortNewestFirst(copies);
  EXPECT_EQ(copies[0].JobPath + copies[1].JobPath + copies[2].JobPath, "bca");
}

TEST(RecoveryCopy, TheLatestCopyOfEachOwnerNoLongerRunningIsLeft) {
  const std::vector<std::string> names = {
      "p1-3.zrr", "p1-12.zrr", "p1-13.tmp", "p1.lock",  // stopped while writing its 13th
      "p2-1.zrr", "p2.lock",                            // still running
      "p3-4.tmp",                                       // stopped before its first copy was whole
      "p4-2.bad", "settings.ini", "-1.zrr", "p5-x.zrr"  // set aside, or no copies of ours
  };
  const TLeftCopies left = FindLeftCopies(names, [](const std::string& owner) { return owner == "p2"; });
  EXPECT_EQ(left.Latest, (std::vector<std::string>{"p1-12.zrr"}));
  EXPECT_EQ(left.Leftovers, (std::vector<std::string>{"p1-3.zrr", "p1-13.tmp", "p1.lock", "p3-4.tmp"}));
  EXPECT_EQ(SetAsideName("p1-12.zrr"), "p1-12.bad");
  EXPECT_EQ(OwnerOfName("p1-12.zrr"), "p1");
  EXPECT_EQ(OwnerOfName("p1.lock"), "");
}

class RecoveryFiles : public testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() / ("zr-recovery-" + std::to_string(std::random_device()()));
    fs::create_directories(Dir);
  }
  void TearDown() override { fs::remove_all(Dir); }

  std::string File(const std::string& name) const { return (Dir / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Dir)) names.push_back(entry.path().filename().string());
    return names;
  }
  // The one copy a start would offer, read back.
  TRecoveryCopy Offered() const {
    const TLeftCopies left = FindLeftCopies(Names(), [](const std::string&) { return false; });
    EXPECT_EQ(left.Latest.size(), 1u);
    std::ifstream in(File(left.Latest.at(0)), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TRecoveryCopy copy;
    std::string error;
    EXPECT_TRUE(ParseRecoveryCopy(bytes, copy, error)) << error;
    return copy;
  }
  // The owner's copy number n, written over number n - 1.
  bool Write(uint32_t n, const TRecoveryCopy& copy, TCopyWriteCut cut = TCopyWriteCut::None) {
    return WriteRecoveryFile(File(RecoveryTemporaryName("p7", n)), File(RecoveryCopyName("p7", n)),
                             n > 1 ? File(RecoveryCopyName("p7", n - 1)) : std::string(), FormatRecoveryCopy(copy),
                             cut);
  }

  fs::path Dir;
};

TEST_F(RecoveryFiles, AWriteCutAnywhereLeavesAWholeCopy) {
  TRecoveryCopy first = kCopy, second = kCopy;
  second.JobBytes += "R2,2,\r\n";
  second.WrittenAt = "2026-12-08 07:31:09";
  ASSERT_TRUE(Write(1, first));
  EXPECT_EQ(Names(), (std::vector<std::string>{"p7-1.zrr"}));

  // Cut before the new copy is whole: the previous one is offered.
  for (TCopyWriteCut cut : {TCopyWriteCut::InWrite, TCopyWriteCut::BeforeRename}) {
    EXPECT_FALSE(Write(2, second, cut));
    EXPECT_EQ(Offered().JobBytes, first.JobBytes);
    fs::remove(File(RecoveryTemporaryName("p7", 2)));
  }
  // Cut once it is whole, before the previous one is removed: the new one.
  EXPECT_FALSE(Write(2, second, TCopyWriteCut::BeforeRemoval));
  EXPECT_EQ(Offered().JobBytes, second.JobBytes);

  ASSERT_TRUE(Write(3, first));
  EXPECT_EQ(Offered().JobBytes, first.JobBytes);
  EXPECT_FALSE(fs::exists(File("p7-2.zrr")));
  EXPECT_TRUE(fs::exists(File("p7-1.zrr"))) << "only the copy before it is removed; a start clears the rest";
}

TEST_F(RecoveryFiles, AFailedWriteLeavesNoTemporaryFile) {
  ASSERT_TRUE(Write(1, kCopy));
  fs::create_directory(File(RecoveryCopyName("p7", 2)));  // the name is taken: the rename fails
  EXPECT_FALSE(Write(2, kCopy));
  EXPECT_FALSE(fs::exists(File(RecoveryTemporaryName("p7", 2))));
  EXPECT_TRUE(fs::exists(File(RecoveryCopyName("p7", 1))));
}

}  // namespace
