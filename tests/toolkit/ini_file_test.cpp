#include "toolkit/ini_file.h"

#include <windows.h>

#include <climits>

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace {

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Each test gets a fresh directory for its ini files.
class IniFileTest : public testing::Test {
 protected:
  TTempDir dir;
  const std::string dir_ = dir.Path + "\\";
};

TEST_F(IniFileTest, WritingCreatesTheFileAndReadingGivesTheValuesBack) {
  std::string path = dir_ + "pos.ini";
  ASSERT_FALSE(FileExists(path));

  TIniFile* ini = OpenIniFile(path);
  EXPECT_EQ(ini->Mode, kIniReading);
  EXPECT_EQ(ini->FileName, path);
  EXPECT_EQ(ini->Section, "");
  ini->Mode = kIniWriting;
  ini->Section = "Main";
  EXPECT_EQ(ini->ValueInteger("Left", 120), 120);
  EXPECT_EQ(ini->ValueInteger("Top", -35), -35);
  EXPECT_EQ(ini->ValueInteger("Width", INT_MAX), INT_MAX);
  EXPECT_EQ(ini->ValueInteger("Height", 0), 0);
  ini->Free();

  // The file is the plain profile format other programs read.
  std::string text = ReadWholeFile(path);
  EXPECT_NE(text.find("[Main]"), std::string::npos) << text;
  EXPECT_NE(text.find("Left=120"), std::string::npos) << text;
  EXPECT_NE(text.find("Top=-35"), std::string::npos) << text;
  EXPECT_NE(text.find("Width=2147483647"), std::string::npos) << text;
  EXPECT_LT(text.find("Left="), text.find("Top=")) << "keys keep their writing order";

  ini = OpenIniFile(path);
  ini->Section = "Main";
  EXPECT_EQ(ini->ValueInteger("Left", 7), 120);
  EXPECT_EQ(ini->ValueInteger("Top", 7), -35);
  EXPECT_EQ(ini->ValueInteger("Width", 7), INT_MAX);
  EXPECT_EQ(ini->ValueInteger("Height", 7), 0);
  // Keys and sections are found regardless of letter case.
  ini->Section = "MAIN";
  EXPECT_EQ(ini->ValueInteger("left", 7), 120);
  ini->Free();
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
  std::string path = dir_ + "pos.ini";
  TIniFile* ini = OpenIniFile(dir_ + "missing.ini");
  ini->Section = "Main";
  EXPECT_EQ(ini->ValueInteger("Left", 44), 44);
  EXPECT_EQ(ini->ValueInteger("Top", -9), -9);
  ini->Free();
  EXPECT_FALSE(FileExists(dir_ + "missing.ini")) << "reading never creates the file";

  ini = OpenIniFile(path);
  ini->Mode = kIniWriting;
  ini->Section = "Main";
  ini->ValueInteger("Left", 5);
  ini->Mode = kIniReading;
  EXPECT_EQ(ini->ValueInteger("Top", 31), 31);
  ini->Section = "Other";
  EXPECT_EQ(ini->ValueInteger("Left", 32), 32);
  ini->Free();
}

TEST(StartDirTest, IsTheProgramsFolderWithATrailingBackslash) {
  std::string dir = StartDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '\\');
  EXPECT_TRUE(FileExists(dir + "toolkit_store_tests_win.exe")) << dir;

  EXPECT_EQ(DirOfPath("C:\\Tools\\Editor\\run.exe"), "C:\\Tools\\Editor\\");
  EXPECT_EQ(DirOfPath("run.exe"), "run.exe");
  EXPECT_EQ(DirOfPath("C:\\"), "C:\\");
}

TEST(PositionIniTest, StoreNamesAFileBesideTheProgramAndASection) {
  EXPECT_TRUE(IsIniPositionStore("cfg.ini\\Main"));
  EXPECT_FALSE(IsIniPositionStore("Acme\\Editor"));
  EXPECT_FALSE(IsIniPositionStore("cfg.ini"));

  std::string path = StartDir() + "zr_cfg_test.ini";
  DeleteFileA(path.c_str());
  TIniFile* ini = OpenPositionIni("zr_cfg_test.ini\\Main");
  EXPECT_EQ(ini->FileName, path);
  EXPECT_EQ(ini->Section, "Main");
  ini->Mode = kIniWriting;
  for (const char* key : {"Left", "Top", "Width", "Height"}) ini->ValueInteger(key, 50);
  ini->Free();

  std::string text = ReadWholeFile(path);
  EXPECT_EQ(text.find("[Main]"), 0u) << text;
  for (const char* key : {"Left=50", "Top=50", "Width=50", "Height=50"}) {
    EXPECT_NE(text.find(key), std::string::npos) << key;
  }
  DeleteFileA(path.c_str());

  // A file named by a full path is that file, whatever folders it is in.
  for (const char* full : {"C:\\users\\x.ini\\settings.ini", "\\\\server\\share\\settings.ini"}) {
    TIniFile* named = OpenPositionIni(std::string(full) + "\\Window.Check");
    EXPECT_EQ(named->FileName, full);
    EXPECT_EQ(named->Section, "Window.Check");
    named->Free();
  }
}

}  // namespace

TEST_F(IniFileTest, TextValuesRoundTripAndMissingOnesGiveTheDefault) {
  const std::string path = dir_ + "settings.ini";
  TIniFile* ini = OpenIniFile(path);
  ini->Section = "Import";
  EXPECT_EQ(ini->ValueString("Table", "none"), "none") << "no file yet";
  ini->Mode = kIniWriting;
  EXPECT_EQ(ini->ValueString("Table", "C:\\Таблицы\\packages.csv"), "C:\\Таблицы\\packages.csv");
  EXPECT_EQ(ini->ValueString("Empty", ""), "");
  ini->Mode = kIniReading;
  EXPECT_EQ(ini->ValueString("table", "none"), "C:\\Таблицы\\packages.csv");
  EXPECT_EQ(ini->ValueString("Empty", "none"), "") << "an empty value is a value";
  EXPECT_EQ(ini->ValueString("Other", "none"), "none");
  ini->Free();
}

