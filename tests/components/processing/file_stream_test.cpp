// TVMFileStream on real files in a temporary folder, fired through the real
// dispatcher; its "not found" box is answered from the test.
#include "components/processing/file_stream.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/components/processing/probe.h"
#include "tests/support/answerers.h"
#include "tests/support/temp_dir.h"
#include "toolkit/app_window.h"
#include "toolkit/stream.h"
#include "toolkit/stream_file.h"

namespace {

class FileStreamComponentTest : public LiveNetworkTest {
 protected:
  TTempDir dir;
  TVMFileStream files;
  TProbe opened{"opened"};
  TVM_Event open = MakeEvent<&TVMFileStream::OpenFile>(&files);
  TVM_Event close = MakeEvent<&TVMFileStream::CloseFile>(&files, 1);
  TVM_Event streamPoint = MakeEvent<&TVMFileStream::Stream>(&files);

  void SetUp() override {
    LiveNetworkTest::SetUp();
    files.OnOpened = opened.Action();
  }

  TStream* LastOpened() const { return static_cast<TStream*>(opened.Calls.back().Value.ObjValue); }
  TStream* PointStream() { return FetchPointStream(streamPoint); }

  // True when nobody holds the file open for writing or without sharing.
  static bool CanWriteExclusively(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }
};

size_t FilesIn(const std::string& folder) {
  size_t count = 0;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return count;
}

std::string ReadAll(TStream* stream) {
  std::string bytes(stream->Size(), '\0');
  stream->SetPosition(0);
  bytes.resize(stream->Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
  return bytes;
}

}  // namespace

TEST_F(FileStreamComponentTest, ReadModeHandsOnTheStreamUntilClosed) {
  const std::string path = dir.File("job.csv");
  WriteWholeFile(path, "a,b\r\n");
  FireStr(open, path);
  ASSERT_EQ(opened.Count(), 1u);
  EXPECT_EQ(opened.Calls[0].Value.Kind, kKindStream);
  ASSERT_NE(LastOpened(), nullptr);
  EXPECT_EQ(LastOpened(), files.FileStream);
  EXPECT_EQ(PointStream(), files.FileStream);
  EXPECT_EQ(ReadAll(LastOpened()), "a,b\r\n");
  EXPECT_EQ(LastOpened()->WriteText("no"), 0u);
  EXPECT_FALSE(CanWriteExclusively(path));

  TData untouched;
  SetStrValue(untouched, "keep");
  Fire(close, untouched);
  EXPECT_EQ(untouched.Kind, kKindString);
  EXPECT_EQ(untouched.StrValue, "keep");
  EXPECT_EQ(files.FileStream, nullptr);
  TData answer;
  ReadPoint(streamPoint, answer);
  EXPECT_EQ(answer.Kind, kKindNull);
  EXPECT_TRUE(CanWriteExclusively(path));
  FireNull(close);  // nothing open: nothing happens

  files.Mode = 7;  // any mode but write and read-write reads
  FireStr(open, path);
  EXPECT_EQ(ReadAll(files.FileStream), "a,b\r\n");
  EXPECT_EQ(ReadWholeFile(path), "a,b\r\n");
}

TEST_F(FileStreamComponentTest, FileNameFromInputThenPropertyThenValue) {
  const std::string fromInput = dir.File("input.csv"), fromProperty = dir.File("property.csv"),
                    fromValue = dir.File("value.csv");
  WriteWholeFile(fromInput, "input");
  WriteWholeFile(fromProperty, "property");
  WriteWholeFile(fromValue, "value");

  FireStr(open, fromValue);
  EXPECT_EQ(ReadAll(files.FileStream), "value");
  files.FileName = fromProperty;
  FireStr(open, fromValue);
  EXPECT_EQ(ReadAll(files.FileStream), "property");
  TProbe name;
  SetStrValue(name.Answer, fromInput);
  files.FileNameInput = name.Point();
  FireStr(open, fromValue);
  EXPECT_EQ(ReadAll(files.FileStream), "input");
  EXPECT_EQ(opened.Count(), 3u);
}

TEST_F(FileStreamComponentTest, MissingFileOrFolderShowsTheBoxAndHandsOnNoStream) {
  const std::string existing = dir.File("there.csv");
  WriteWholeFile(existing, "x");
  FireStr(open, existing);
  ASSERT_NE(files.FileStream, nullptr);

  TDialogAnswerer answerer;
  for (int box = 0; box < 3; ++box) answerer.Press(IDOK);
  const std::string missing = dir.File("missing.CSV");
  FireStr(open, missing);
  FireStr(open, dir.Path);
  FireStr(open, "");
  ASSERT_EQ(answerer.Dialogs.size(), 3u);
  EXPECT_EQ(answerer.Dialogs[0].Text, "File <" + missing + "> not found!");
  EXPECT_EQ(answerer.Dialogs[1].Text, "File <" + dir.Path + "> not found!");
  EXPECT_EQ(answerer.Dialogs[2].Text, "File <> not found!");
  for (const auto& box : answerer.Dialogs) {
    EXPECT_EQ(box.Caption, "File stream Error");
    EXPECT_EQ(box.Owner, nullptr);  // no application window in this test
    EXPECT_EQ(box.Buttons, std::vector<int>{IDOK});
  }
  ASSERT_EQ(opened.Count(), 4u);
  for (size_t i = 1; i < 4; ++i) {
    EXPECT_EQ(opened.Calls[i].Value.Kind, kKindStream);
    EXPECT_EQ(opened.Calls[i].Value.ObjValue, nullptr);
  }
  EXPECT_EQ(files.FileStream, nullptr);
  EXPECT_EQ(PointStream(), nullptr);
  EXPECT_TRUE(CanWriteExclusively(existing));  // the earlier stream was closed
  EXPECT_FALSE(FileExists(missing));
}

TEST_F(FileStreamComponentTest, WriteModeReplacesTheTargetOnlyWhenClosed) {
  const std::string path = dir.File("save.csv");
  WriteWholeFile(path, "an older and longer file\r\n");
  TProbe saved{"saved"};
  files.OnSaved = saved.Action();
  files.Mode = kFileModeWrite;
  FireStr(open, path);
  FireStr(open, path);  // the save chain opens twice; the first temporary file goes
  ASSERT_NE(files.FileStream, nullptr);
  EXPECT_EQ(PointStream()->WriteText("xy\r\n"), 4u);
  EXPECT_EQ(ReadWholeFile(path), "an older and longer file\r\n");
  EXPECT_EQ(FilesIn(dir.Path), 2u);  // the target and one temporary file
  EXPECT_EQ(saved.Count(), 0u);
  FireNull(close);
  EXPECT_EQ(ReadWholeFile(path), "xy\r\n");
  EXPECT_EQ(FilesIn(dir.Path), 1u);
  ASSERT_EQ(saved.Count(), 1u);
  EXPECT_EQ(saved.Calls[0].Value.StrValue, path);

  const std::string fresh = dir.File("fresh.csv");
  FireStr(open, fresh);
  EXPECT_EQ(ReadWholeFile(fresh), "<missing>");  // nothing exists before the commit
  FireNull(close);
  EXPECT_EQ(ReadWholeFile(fresh), "");
}

// A save the user turns down after the bytes were written: the target stays
// as it was, nothing written remains, no event fires.
TEST_F(FileStreamComponentTest, AbandonedSaveLeavesTheTargetAndNoTemporaryFile) {
  const std::string path = dir.File("kept.csv");
  WriteWholeFile(path, "kept\r\n");
  TProbe saved{"saved"}, failed{"failed"};
  files.OnSaved = saved.Action();
  files.OnSaveFailed = failed.Action();
  files.Mode = kFileModeWrite;
  FireStr(open, path);
  ASSERT_NE(PointStream(), nullptr);
  PointStream()->WriteText("new\r\n");
  TVM_Event abandon = MakeEvent<&TVMFileStream::AbandonFile>(&files);
  FireNull(abandon);
  EXPECT_EQ(PointStream(), nullptr);
  FireNull(close);  // a close that follows finds no save left to commit
  EXPECT_EQ(ReadWholeFile(path), "kept\r\n");
  EXPECT_EQ(FilesIn(dir.Path), 1u);
  EXPECT_EQ(saved.Count() + failed.Count(), 0u);
}

// Every failing save: one box owned by the dialog parent naming the file and
// the reason, then OnSaveFailed; the old file intact, no temporary file left.
class FailingSaveTest : public FileStreamComponentTest {
 protected:
  TProbe saved{"saved"}, failed{"failed"};
  TDialogAnswerer answerer;
  const std::string old = "old,content,\r\n";

  void SetUp() override {
    FileStreamComponentTest::SetUp();
    files.Mode = kFileModeWrite;
    files.OnSaved = saved.Action();
    files.OnSaveFailed = failed.Action();
  }

  void Save(const std::string& path) {
    FireStr(open, path);
    FireStr(open, path);
    if (TStream* stream = PointStream()) stream->WriteText("new,content,\r\n");
    FireNull(close);
  }

  void ExpectToldOnce(const std::string& path) {
    ASSERT_EQ(answerer.Dialogs.size(), 1u);
    EXPECT_NE(answerer.Dialogs[0].Text.find("<" + path + ">"), std::string::npos)
        << answerer.Dialogs[0].Text;
    EXPECT_NE(answerer.Dialogs[0].Text.find('\n'), std::string::npos);  // a reason follows
    EXPECT_EQ(saved.Count(), 0u);
    ASSERT_EQ(failed.Count(), 1u);
    EXPECT_EQ(failed.Calls[0].Value.StrValue, path);
  }
};

uint32_t WriteUpToTen(TStream* stream, const void* buffer, uint32_t count) {
  const uint32_t room = stream->Position() >= 10 ? 0 : 10 - stream->Position();
  DWORD done = 0;
  WriteFile(stream->Handle, buffer, count < room ? count : room, &done, nullptr);
  return done;
}

TEST_F(FailingSaveTest, ReadOnlyTargetIsRefusedBeforeWriting) {
  const std::string path = dir.File("read-only.csv");
  WriteWholeFile(path, old);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  Save(path);
  ExpectToldOnce(path);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadWholeFile(path), old);
  EXPECT_EQ(FilesIn(dir.Path), 1u);
}

TEST_F(FailingSaveTest, TargetHeldWithoutSharingSurvives) {
  const std::string path = dir.File("held.csv");
  WriteWholeFile(path, old);
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Save(path);
  CloseHandle(held);
  ExpectToldOnce(path);
  EXPECT_EQ(ReadWholeFile(path), old);
  EXPECT_EQ(FilesIn(dir.Path), 1u);
}

TEST_F(FailingSaveTest, MissingFolderIsTold) {
  const std::string path = dir.File("no-folder\\x.csv");
  Save(path);
  ExpectToldOnce(path);
  EXPECT_EQ(FilesIn(dir.Path), 0u);
}

TEST_F(FailingSaveTest, WriteFailingPartWayKeepsTheOldFile) {
  const std::string path = dir.File("full.csv");
  WriteWholeFile(path, old);
  FireStr(open, path);
  ASSERT_NE(files.FileStream, nullptr);
  files.FileStream->OpTable.Write = &WriteUpToTen;  // a disk that fills after ten bytes
  EXPECT_EQ(PointStream()->WriteText("new,content,\r\n"), 10u);
  FireNull(close);
  ExpectToldOnce(path);
  EXPECT_EQ(ReadWholeFile(path), old);
  EXPECT_EQ(FilesIn(dir.Path), 1u);
}

TEST_F(FileStreamComponentTest, UnreadableOrOversizedFileIsToldAndGivesNoStream) {
  TDialogAnswerer answerer;
  const std::string locked = dir.File("locked.csv"), big = dir.File("big.csv");
  WriteWholeFile(locked, "a,b\r\n");
  WriteWholeFile(big, std::string(2 << 20, 'x'));
  HANDLE held = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  FireStr(open, locked);
  CloseHandle(held);
  files.MaxSize = 1 << 20;
  FireStr(open, big);
  ASSERT_EQ(answerer.Dialogs.size(), 2u);
  EXPECT_NE(answerer.Dialogs[0].Text.find("<" + locked + ">"), std::string::npos);
  EXPECT_NE(answerer.Dialogs[1].Text.find("<" + big + ">"), std::string::npos);
  EXPECT_NE(answerer.Dialogs[1].Text.find(" 2 "), std::string::npos) << answerer.Dialogs[1].Text;
  ASSERT_EQ(opened.Count(), 2u);
  for (const auto& call : opened.Calls) EXPECT_EQ(call.Value.ObjValue, nullptr);
  WriteWholeFile(big, std::string(1 << 20, 'x'));  // exactly the limit opens
  FireStr(open, big);
  EXPECT_NE(files.FileStream, nullptr);
  EXPECT_EQ(answerer.Dialogs.size(), 2u);
}

TEST_F(FileStreamComponentTest, ReadWriteModeOpensOrCreates) {
  const std::string path = dir.File("rw.csv");
  WriteWholeFile(path, "12345");
  files.Mode = kFileModeReadWrite;
  FireStr(open, path);
  EXPECT_EQ(ReadAll(files.FileStream), "12345");
  files.FileStream->SetPosition(0);
  files.FileStream->WriteText("A");
  FireStr(open, dir.File("new.csv"));
  EXPECT_EQ(ReadWholeFile(path), "A2345");
  EXPECT_EQ(ReadWholeFile(dir.File("new.csv")), "");
}

TEST(FileStreamComponent, DestroyingTheComponentClosesTheFile) {
  TTempDir dir;
  const std::string path = dir.File("held.csv");
  WriteWholeFile(path, "x");
  auto files = std::make_unique<TVMFileStream>();
  files->FileName = path;
  TData data;
  files->OpenFile(data, 0);  // called directly: the forward is not followed
  ASSERT_NE(files->FileStream, nullptr);
  EXPECT_FALSE(DeleteFileA(path.c_str()));
  files.reset();
  EXPECT_TRUE(DeleteFileA(path.c_str()));

  files = std::make_unique<TVMFileStream>();  // an unfinished save leaves nothing behind
  files->Mode = kFileModeWrite;
  files->OpenFile(data, 0);
  ASSERT_NE(files->FileStream, nullptr);
  files.reset();
  EXPECT_EQ(FilesIn(dir.Path), 0u);
}

TEST_F(FileStreamComponentTest, ClosingAWriteStreamReportsTheSavedPath) {
  const std::string path = dir.File("saved.csv");
  TProbe saved{"saved"}, failed{"failed"};
  files.OnSaved = saved.Action();
  files.OnSaveFailed = failed.Action();
  FireNull(close);  // nothing open: nothing saved
  files.Mode = kFileModeWrite;
  FireStr(open, path);
  PointStream()->WriteText("a\r\n");
  FireNull(close);
  ASSERT_EQ(saved.Count(), 1u);
  EXPECT_EQ(saved.Calls[0].Value.StrValue, path);
  EXPECT_EQ(failed.Count(), 0u);
}

namespace {

// Opens a file from inside the handling of a window message, as the menu
// command does, and notes the cursor once the chain behind the open is done.
struct TOpenOnMessage {
  TVM_Event* Open;
  std::string Path;
  HCURSOR During = nullptr;
  bool OnMessage(TControl*, TMsg& msg, LRESULT&) {
    if (msg.Message != WM_APP) return false;
    FireStr(*Open, Path);
    During = GetCursor();
    return true;
  }
};

}  // namespace

TEST_F(FileStreamComponentTest, OpeningShowsTheWaitCursorUntilTheMessageIsHandled) {
  const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
  TControl* form = CreateFormWindow(nullptr, "form");
  TOpenOnMessage reader{&open, dir.File("job.csv")};
  WriteWholeFile(reader.Path, "a,b\r\n");
  form->OnMessage = MakeMethod<&TOpenOnMessage::OnMessage>(&reader);
  const HWND window = form->GetHandle();
  for (uint8_t mode : {kFileModeRead, kFileModeWrite}) {
    files.Mode = mode;
    SetCursor(arrow);
    reader.During = nullptr;
    SendMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(wait, reader.During) << "mode " << int{mode};
    EXPECT_EQ(arrow, GetCursor()) << "mode " << int{mode};
  }
  FireNull(close);
  form->Free();
}

