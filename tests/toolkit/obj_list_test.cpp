#include <gtest/gtest.h>

#include <string>

#include "toolkit/list.h"
#include "toolkit/obj.h"

namespace {

std::string destroyed;

class TNamed : public TObj {
 public:
  explicit TNamed(char name) : Name(name) {}
  char Name;

 protected:
  ~TNamed() override { destroyed += Name; }
};

}  // namespace

TEST(Obj, HoldCountDefersTheFree) {
  destroyed.clear();
  TObj* held = New<TNamed>('h');
  held->AddHold();
  held->Free();
  EXPECT_EQ(held->HoldCount, 1);
  EXPECT_EQ(destroyed, "");
  held->Free();  // already requested: nothing more
  EXPECT_EQ(held->HoldCount, 1);
  held->DropHold();
  EXPECT_EQ(destroyed, "h");

  TObj* unheld = New<TNamed>('u');
  unheld->AddHold();
  unheld->DropHold();  // no free requested: stays alive
  EXPECT_EQ(destroyed, "h");
  unheld->Free();
  EXPECT_EQ(destroyed, "hu");
  FreeObj(nullptr);
}

TEST(Obj, OwnedObjectsAreFreedNewestFirstAfterTheDestroyHandler) {
  destroyed.clear();
  struct TWatcher {
    void OnDestroy(TObj*) { destroyed += '!'; }
  } watcher;
  TObj* owner = New<TNamed>('o');
  owner->DestroyHandler = MakeMethod<&TWatcher::OnDestroy>(&watcher);
  owner->OwnObject(New<TNamed>('a'));
  owner->OwnObject(New<TNamed>('b'));
  owner->Free();
  EXPECT_EQ(destroyed, "!bao");
}

TEST(Obj, HoldsTakenWhileBeingDestroyedDoNotDestroyAgain) {
  destroyed.clear();
  // An owned item that, like a message dispatched during destruction, holds
  // and releases its owner.
  struct THolder {
    static void HoldAndDrop(void* owner) {
      static_cast<TObj*>(owner)->AddHold();
      static_cast<TObj*>(owner)->DropHold();
      static_cast<TObj*>(owner)->Free();
    }
  };
  TObj* owner = New<TNamed>('o');
  owner->OwnProc(&THolder::HoldAndDrop, owner);
  owner->AddHold();
  owner->Free();
  owner->DropHold();  // last holder: destruction starts with HoldCount -1
  EXPECT_EQ(destroyed, "o");
}

TEST(List, GrowsLinearlyAndKeepsOrder) {
  TList* list = CreateList();
  int values[10];
  for (int i = 0; i < 9; ++i) list->Add(&values[i]);
  EXPECT_EQ(list->Capacity, 12);
  EXPECT_EQ(list->Count, 9);
  list->Insert(0, &values[9]);
  EXPECT_EQ(list->Get(0), &values[9]);
  EXPECT_EQ(list->Get(1), &values[0]);
  list->Insert(list->Count, nullptr);
  EXPECT_EQ(list->Count, 11);
  EXPECT_EQ(list->Get(-1), nullptr);
  EXPECT_EQ(list->Get(11), nullptr);
  EXPECT_EQ(list->IndexOf(&values[3]), 4);
  EXPECT_EQ(list->IndexOf(&list), -1);
  list->DeleteRange(8, 100);  // cut to the end
  EXPECT_EQ(list->Count, 8);
  list->Delete(0);
  EXPECT_EQ(list->Get(0), &values[0]);
  list->GrowBy = 0;
  list->SetCapacity(list->Count);
  list->Add(nullptr);  // a GrowBy of 0 becomes 4
  EXPECT_EQ(list->Capacity, 11);
  list->Clear();
  EXPECT_EQ(list->Items, nullptr);
  EXPECT_EQ(list->Capacity, 0);
  list->Free();
}
