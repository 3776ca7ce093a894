// The undo journal and the document state, linked to probes and fired
// through the real dispatcher.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/processing/document_title.h"
#include "components/processing/undo_journal.h"
#include "tests/components/processing/probe.h"

namespace {

using Texts = std::vector<std::string>;

class UndoJournalTest : public LiveNetworkTest {
 protected:
  void SetUp() override {
    LiveNetworkTest::SetUp();
    journal.SetCount(2);
    for (uint16_t i = 0; i < 2; ++i) {
      journal.OnUndo[i] = undone[i].Action();
      journal.OnRedo[i] = redone[i].Action();
    }
    journal.OnModified = modified.Action();
  }
  void Do(void (TVMUndoJournal::*action)(TData&, uint16_t), const std::string& record = "",
          uint16_t source = 0) {
    TData data;
    SetStrValue(data, record);
    (journal.*action)(data, source);
  }
  std::string LastModified() const { return modified.Texts().back(); }

  TVMUndoJournal journal;
  TProbe undone[2], redone[2], modified;
};

TEST_F(UndoJournalTest, UndoesNewestFirstToItsSourceAndRedoesInOrder) {
  Do(&TVMUndoJournal::Record, "a", 0);
  Do(&TVMUndoJournal::Record, "b", 1);
  Do(&TVMUndoJournal::Record, "c", 0);
  for (int i = 0; i < 4; ++i) Do(&TVMUndoJournal::Undo);  // the fourth has nothing left
  EXPECT_EQ(Texts({"c", "a"}), undone[0].Texts());
  EXPECT_EQ(Texts({"b"}), undone[1].Texts());
  Do(&TVMUndoJournal::Redo);
  Do(&TVMUndoJournal::Redo);
  EXPECT_EQ(Texts({"a"}), redone[0].Texts());
  EXPECT_EQ(Texts({"b"}), redone[1].Texts());

  // A new change drops what could still be redone ("c").
  Do(&TVMUndoJournal::Record, "d", 1);
  Do(&TVMUndoJournal::Redo);
  EXPECT_EQ(Texts({"a"}), redone[0].Texts());
  EXPECT_EQ(0u, journal.RedoCount());
  EXPECT_EQ(3u, journal.UndoCount());
}

// Records of both sources between BeginChange and EndChange: one entry.
TEST_F(UndoJournalTest, AChangeOfTwoSourcesIsUndoneWholeLastRecordFirst) {
  Do(&TVMUndoJournal::Record, "a", 0);
  Do(&TVMUndoJournal::BeginChange);
  Do(&TVMUndoJournal::Record, "b", 1);
  Do(&TVMUndoJournal::Record, "c", 0);
  Do(&TVMUndoJournal::Record, "d", 1);
  EXPECT_EQ(1u, journal.UndoCount()) << "nothing is an entry before the change ends";
  Do(&TVMUndoJournal::EndChange);
  Do(&TVMUndoJournal::BeginChange);
  Do(&TVMUndoJournal::EndChange);  // an empty change is none
  EXPECT_EQ(2u, journal.UndoCount());
  EXPECT_EQ("1", LastModified());
  Do(&TVMUndoJournal::Undo);
  EXPECT_EQ(Texts({"c"}), undone[0].Texts());
  EXPECT_EQ(Texts({"d", "b"}), undone[1].Texts());
  Do(&TVMUndoJournal::Redo);
  EXPECT_EQ(Texts({"c"}), redone[0].Texts());
  EXPECT_EQ(Texts({"b", "d"}), redone[1].Texts());
  EXPECT_EQ(2u, journal.UndoCount());
}

TEST_F(UndoJournalTest, ModifiedIsWhereTheContentLeftTheLastSaveOrOpen) {
  Do(&TVMUndoJournal::Record, "a");
  EXPECT_EQ("1", LastModified());
  Do(&TVMUndoJournal::Undo);
  EXPECT_EQ("0", LastModified()) << "back where it was opened";
  Do(&TVMUndoJournal::Redo);
  Do(&TVMUndoJournal::MarkSaved);
  EXPECT_EQ("0", LastModified());
  Do(&TVMUndoJournal::Undo);
  EXPECT_EQ("1", LastModified());
  Do(&TVMUndoJournal::Record, "b");  // the saved state can no longer be reached
  Do(&TVMUndoJournal::Undo);
  EXPECT_EQ("1", LastModified());

  // An open forgets the entries, but changes not saved stay unsaved: the
  // tables still hold them.
  Do(&TVMUndoJournal::Clear);
  EXPECT_EQ("1", LastModified());
  EXPECT_EQ(0u, journal.UndoCount() + journal.RedoCount());
  Do(&TVMUndoJournal::MarkSaved);
  Do(&TVMUndoJournal::Clear);
  EXPECT_EQ("0", LastModified());

  // A job that starts over forgets the entries too, as saved (a new job) or
  // as unsaved (recovered changes), whatever it was before.
  for (const char* unsaved : {"1", "0", "1"}) {
    Do(&TVMUndoJournal::Record, "c");
    TData value = IntValue(unsaved[0] - '0');
    journal.StartOver(value, 0);
    EXPECT_EQ(unsaved, LastModified());
    EXPECT_EQ(0u, journal.UndoCount() + journal.RedoCount());
    Do(&TVMUndoJournal::Undo);
    EXPECT_EQ(unsaved, LastModified()) << "nothing to undo";
  }
}

class DocumentTest : public LiveNetworkTest {
 protected:
  void SetUp() override {
    LiveNetworkTest::SetUp();
    document.AppTitle = "ZR780K Editor";
    document.OnTitle = titles.Action();
    document.OnAskSave = asked.Action();
    document.OnLeave = left.Action();
  }
  void Call(void (TVMDocument::*action)(TData&, uint16_t), TData data) { (document.*action)(data, 0); }
  int32_t CloseQuery() {
    TVM_Event point = MakeEvent<&TVMDocument::CloseQuery>(&document);
    return FetchPointInt(point);
  }

  TVMDocument document;
  TProbe titles, asked, left;
};

TEST_F(DocumentTest, TheTitleNamesTheFileAndMarksUnsavedChanges) {
  Call(&TVMDocument::SetModified, IntValue(0));
  Call(&TVMDocument::SetModified, IntValue(0));  // the same title again: nothing fired
  Call(&TVMDocument::SetModified, IntValue(1));
  Call(&TVMDocument::SetPath, [] { TData d; SetStrValue(d, "Z:\\jobs\\a b.CSV"); return d; }());
  Call(&TVMDocument::SetModified, IntValue(0));
  Call(&TVMDocument::SetPath, [] { TData d; SetStrValue(d, "c/d.csv"); return d; }());
  EXPECT_EQ(Texts({"ZR780K Editor", "*ZR780K Editor", "*a b.CSV - ZR780K Editor", "a b.CSV - ZR780K Editor",
                   "d.csv - ZR780K Editor"}),
            titles.Texts());
  EXPECT_EQ("name.CSV", FileNameOfPath("C:name.CSV"));
}

// The close asks only with unsaved changes; the window may close when the
// question led to a save (the state is clean again) or to No.
TEST_F(DocumentTest, TheCloseQueryAsksAndAnswersFromWhatTheQuestionLedTo) {
  EXPECT_EQ(0, CloseQuery());
  EXPECT_EQ(0u, asked.Count());

  Call(&TVMDocument::SetModified, IntValue(1));
  EXPECT_EQ(1, CloseQuery()) << "Cancel";
  asked.Then = [this](TData&, uint16_t) { Call(&TVMDocument::SetModified, IntValue(0)); };
  EXPECT_EQ(0, CloseQuery()) << "Yes, and the save went through";
  Call(&TVMDocument::SetModified, IntValue(1));
  asked.Then = [this](TData&, uint16_t) { Call(&TVMDocument::Discard, TData{}); };
  EXPECT_EQ(0, CloseQuery()) << "No";
  asked.Then = nullptr;
  EXPECT_EQ(1, CloseQuery()) << "a No is not remembered for the next close";
  EXPECT_EQ(4u, asked.Count());
}

// Leaving the job asks as the close does, and passes the value on only when
// no unsaved change stands in the way.
TEST_F(DocumentTest, LeavingTheJobAsksAsTheCloseDoes) {
  TVM_Event leave = MakeEvent<&TVMDocument::Leave>(&document);
  FireStr(leave, "a");  // no changes: no question
  Call(&TVMDocument::SetModified, IntValue(1));
  FireStr(leave, "b");  // Cancel
  asked.Then = [this](TData&, uint16_t) { Call(&TVMDocument::Discard, TData{}); };
  FireStr(leave, "c");  // No
  asked.Then = [this](TData&, uint16_t) { Call(&TVMDocument::SetModified, IntValue(0)); };
  FireStr(leave, "d");  // Yes, and the save went through
  EXPECT_EQ(3u, asked.Count());
  EXPECT_EQ(Texts({"a", "c", "d"}), left.Texts());
}

}  // namespace
