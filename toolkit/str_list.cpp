#include "toolkit/str_list.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

char* AllocBytes(size_t size) {
  void* block = std::malloc(size);
  if (!block) throw std::bad_alloc();
  return static_cast<char*>(block);
}

// Moves p past the line that starts at it: behind the next CR (or onto the
// terminating zero) and over an LF that directly follows that CR. Returns the
// CR it passed, or nil.
char* SkipLine(char*& p) {
  char* cr = p;
  while (*cr != '\0' && *cr != '\r') ++cr;
  char* passed = nullptr;
  if (*cr == '\r') {
    passed = cr;
    p = cr + 1;
    if (*p == '\n') ++p;
  } else {
    p = cr;
  }
  return passed;
}

}  // namespace

TStrList* CreateStrList() { return New<TStrList>(); }

TStrListEx* CreateStrListEx() { return New<TStrListEx>(); }

TStrList::~TStrList() { Clear(); }

bool TStrList::IsShared(const char* line) const {
  return SharedText && line >= SharedText && line < SharedText + SharedTextSize;
}

void TStrList::SetText(const std::string& text) {
  Clear();
  AddText(text);
}

void TStrList::AddText(const std::string& text) {
  if (text.empty() || text[0] == '\0') return;
  const size_t length = text.size() + 1;  // the terminating zero included
  char* block = AllocBytes(static_cast<size_t>(SharedTextSize) + length);
  if (SharedText) {
    std::memcpy(block, SharedText, static_cast<size_t>(SharedTextSize));
    for (int32_t i = 0; Lines && i < Lines->Count; ++i) {
      char* line = static_cast<char*>(Lines->Items[i]);
      if (IsShared(line)) Lines->Items[i] = block + (line - SharedText);
    }
    std::free(SharedText);
  }
  char* start = block + SharedTextSize;
  std::memcpy(start, text.data(), length);  // std::string keeps its zero
  SharedText = block;
  SharedTextSize += static_cast<int32_t>(length);

  int32_t added = 0;
  for (char* p = start; *p != '\0'; SkipLine(p)) ++added;

  if (!Lines) Lines = CreateList();
  Lines->SetCapacity(Lines->Count + added);
  for (char* p = start; *p != '\0';) {
    Lines->Add(p);
    if (char* cr = SkipLine(p)) *cr = '\0';
  }
  Count += added;
}

bool TStrList::InsertLine(int32_t index, const std::string& line) {
  if (index < 0 || index > Count) return false;
  const size_t length = std::strlen(line.c_str());  // a line ends at a zero byte
  char* block = AllocBytes(length + 1);
  std::memcpy(block, line.c_str(), length);
  block[length] = '\0';
  if (!Lines) Lines = CreateList();
  Lines->Insert(index, block);
  ++Count;
  return true;
}

void TStrList::Insert(int32_t index, const std::string& line) { InsertLine(index, line); }

int32_t TStrList::Add(const std::string& line) {
  const int32_t index = Count;
  Insert(index, line);
  return index;
}

std::string TStrList::Get(int32_t index) const {
  if (!Lines || index < 0 || index >= Count) return std::string();
  return std::string(static_cast<const char*>(Lines->Items[index]));
}

void TStrList::Put(int32_t index, const std::string& line) {
  if (index < 0 || index >= Count) return;
  // The plain string-list delete: a line's object stays where it is.
  TStrList::Delete(index);
  Insert(index, line);
}

void TStrList::Delete(int32_t index) {
  if (!Lines || index < 0 || index >= Count) return;
  char* line = static_cast<char*>(Lines->Items[index]);
  if (!IsShared(line)) std::free(line);
  Lines->Delete(index);
  --Count;
}

void TStrList::Clear() {
  for (int32_t i = Count - 1; i >= 0; --i) Delete(i);
  if (Lines) {
    Lines->Free();
    Lines = nullptr;
  }
  Count = 0;
  std::free(SharedText);
  SharedText = nullptr;
  SharedTextSize = 0;
}

void TStrListEx::Prepare() { Objects = CreateList(); }

TStrListEx::~TStrListEx() {
  // Lines go first (with their objects), then the object list itself.
  Clear();
  FreeObj(Objects);
  Objects = nullptr;
}

void TStrListEx::InsertObject(int32_t index, const std::string& line, void* object) {
  if (!InsertLine(index, line)) return;
  if (Objects) Objects->Insert(index, object);
}

int32_t TStrListEx::AddObject(const std::string& line, void* object) {
  const int32_t index = Count;
  InsertObject(index, line, object);
  return index;
}

void* TStrListEx::GetObject(int32_t index) const { return Objects ? Objects->Get(index) : nullptr; }

int32_t TStrListEx::IndexOfObject(const void* object) const {
  return Objects ? Objects->IndexOf(object) : -1;
}

void TStrListEx::Delete(int32_t index) {
  if (!Lines || index < 0 || index >= Count) return;
  TStrList::Delete(index);
  if (Objects && index < Objects->Count) Objects->Delete(index);
}
