// TStrList: a list of zero-terminated byte strings. Lines added one by one
// are blocks of their own; lines read from a multi-line text by SetText are
// stretches of one shared block, so a large text costs one allocation.
// TStrListEx adds one untyped reference ("object") per line.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/list.h"
#include "toolkit/obj.h"

// <windows.h> renames GetObject to GetObjectA; TStrListEx's method keeps its
// name everywhere (platform code asks for GetObjectA by name).
#ifdef GetObject
#undef GetObject
#endif

class TStrList : public TObj {
 public:
  TList* Lines = nullptr;  // char* per line; nil until the first line
  int32_t Count = 0;
  char* SharedText = nullptr;  // holds the lines added by SetText/AddText
  int32_t SharedTextSize = 0;

  // Replaces the content by the lines of text. A CR ends a line (an LF right
  // after it belongs to the break); a lone LF stays inside the line; a zero
  // byte ends the text.
  void SetText(const std::string& text);
  // Appends the lines of text, keeping the lines already held.
  void AddText(const std::string& text);

  // Out-of-range indices are ignored (Insert accepts 0 ... Count).
  void Insert(int32_t index, const std::string& line);
  int32_t Add(const std::string& line);
  // The empty string when index is out of range.
  std::string Get(int32_t index) const;
  // The replaced line always becomes a block of its own.
  void Put(int32_t index, const std::string& line);
  virtual void Delete(int32_t index);
  void Clear();

 protected:
  ~TStrList() override;

  bool IsShared(const char* line) const;
  // Inserts the line only when index lies in 0 ... Count; true when done.
  bool InsertLine(int32_t index, const std::string& line);
};

class TStrListEx : public TStrList {
 public:
  TList* Objects = nullptr;  // one reference per line, parallel to Lines

  void Prepare() override;

  void InsertObject(int32_t index, const std::string& line, void* object);
  int32_t AddObject(const std::string& line, void* object);
  void* GetObject(int32_t index) const;
  int32_t IndexOfObject(const void* object) const;
  void Delete(int32_t index) override;

 protected:
  ~TStrListEx() override;
};

TStrList* CreateStrList();
TStrListEx* CreateStrListEx();
