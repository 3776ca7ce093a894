#include "components/processing/document_title.h"

std::string FileNameOfPath(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TVMDocument::Title() const {
  const std::string mark = Modified ? ModifiedMark : std::string();
  const std::string name = FileNameOfPath(Path);
  return name.empty() ? mark + AppTitle : mark + name + " - " + AppTitle;
}

void TVMDocument::ShowTitle() {
  const std::string title = Title();
  if (title == ShownTitle) return;
  ShownTitle = title;
  FireStr(OnTitle, title);
}

void TVMDocument::SetPath(TData& data, uint16_t index) {
  Path = ValueToStr(data);
  ShowTitle();
}

void TVMDocument::SetModified(TData& data, uint16_t index) {
  Modified = ValueToInt(data) != 0;
  ShowTitle();
}

void TVMDocument::Discard(TData& data, uint16_t index) { Discarded = true; }

void TVMDocument::FilePath(TData& data, uint16_t index) { SetStrValue(data, Path); }

bool TVMDocument::ChangesSettled() {
  Discarded = false;
  if (Modified) FireNull(OnAskSave);
  const bool settled = !Modified || Discarded;
  Discarded = false;
  return settled;
}

void TVMDocument::CloseQuery(TData& data, uint16_t index) { SetIntValue(data, ChangesSettled() ? 0 : 1); }

void TVMDocument::Leave(TData& data, uint16_t index) {
  if (ChangesSettled()) ForwardData(data, OnLeave);
}
