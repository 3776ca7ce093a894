#include "job/recent_jobs.h"

#include <gtest/gtest.h>

#include <string>

TEST(RecentJobs, TheLastOpenedComeFirstOnceEachUpToTheLimit) {
  TRecentJobs jobs;
  for (int i = 1; i <= 10; ++i) jobs = AddRecentJob(jobs, "C:\\jobs\\" + std::to_string(i) + ".CSV");
  ASSERT_EQ(jobs.size(), kRecentJobsLimit);
  EXPECT_EQ(jobs.front(), "C:\\jobs\\10.CSV");
  EXPECT_EQ(jobs.back(), "C:\\jobs\\3.CSV");

  // Opened again under another case or slash: moved to the front, kept once,
  // named as it was opened last.
  jobs = AddRecentJob(jobs, "c:/JOBS/5.csv");
  EXPECT_EQ(jobs.size(), kRecentJobsLimit);
  EXPECT_EQ(jobs[0], "c:/JOBS/5.csv");
  EXPECT_EQ(jobs[1], "C:\\jobs\\10.CSV");
  EXPECT_EQ(AddRecentJob(jobs, ""), jobs);

  jobs = RemoveRecentJob(jobs, "C:\\Jobs\\5.CSV");
  EXPECT_EQ(jobs.size(), kRecentJobsLimit - 1);
  EXPECT_EQ(jobs[0], "C:\\jobs\\10.CSV");
}

TEST(RecentJobs, CyrillicLettersCompareWithoutCase) {
  EXPECT_TRUE(SameWindowsPath("C:\\Задания\\Плата Ё.CSV", "c:\\задания\\ПЛАТА ё.csv"));
  EXPECT_FALSE(SameWindowsPath("C:\\Задания\\a.CSV", "C:\\Задания\\b.CSV"));
  EXPECT_FALSE(SameWindowsPath("C:\\a.CSV", "C:\\a.CSV.bak"));
}

TEST(RecentJobs, AStoredListLosesEmptyEntriesRepeatsAndTheExcess) {
  const TRecentJobs stored{"C:\\a.CSV", "", "C:\\b.CSV", "c:\\A.csv", "C:\\c.CSV", "C:\\d.CSV", "C:\\e.CSV",
                           "C:\\f.CSV", "C:\\g.CSV", "C:\\h.CSV", "C:\\i.CSV"};
  EXPECT_EQ(CleanRecentJobs(stored), (TRecentJobs{"C:\\a.CSV", "C:\\b.CSV", "C:\\c.CSV", "C:\\d.CSV", "C:\\e.CSV",
                                                  "C:\\f.CSV", "C:\\g.CSV", "C:\\h.CSV"}));
}

TEST(RecentJobs, LongPathsLoseTheirMiddle) {
  const struct {
    std::string Path;
    size_t Length;
    std::string Shown;
  } cases[] = {
      {"C:\\jobs\\a.CSV", 60, "C:\\jobs\\a.CSV"},
      {"C:\\one\\two\\three\\four\\job.CSV", 24, "C:\\…\\three\\four\\job.CSV"},
      {"C:\\one\\two\\three\\four\\job.CSV", 17, "C:\\…\\four\\job.CSV"},
      {"C:\\one\\two\\three\\four\\job.CSV", 16, "C:\\…\\job.CSV"},
      {"C:\\one\\two\\three\\four\\job.CSV", 11, "job.CSV"},
      {"\\\\server\\share\\deep\\deeper\\job.CSV", 28, "\\\\server\\share\\…\\job.CSV"},
      {"C:\\folder\\a-very-long-file-name.CSV", 13, "a-very…me.CSV"},
      {"no-folders-at-all-in-this-name.CSV", 11, "no-fo…e.CSV"},
  };
  for (const auto& c : cases) {
    const std::string shown = ShortenPathInMiddle(c.Path, c.Length);
    EXPECT_EQ(shown, c.Shown) << c.Path;
    EXPECT_LE(shown.size(), c.Length) << c.Path;
  }
}

TEST(RecentJobs, ItemsAreNumberedForTheKeyboardAndShowAmpersands) {
  EXPECT_EQ(RecentJobCaption(1, "C:\\R&D\\job.CSV"), "&1 C:\\R&&D\\job.CSV");
  const std::string caption = RecentJobCaption(8, "C:\\" + std::string(80, 'x') + "\\job.CSV");
  EXPECT_EQ(caption, "&8 C:\\…\\job.CSV");
}
