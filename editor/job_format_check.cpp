#include "editor/job_format_check.h"

#include <windows.h>

#include <algorithm>

#include "toolkit/dialog_parent.h"

namespace {

TMatrixAccess* ReadMatrix(TVM_Event& point) {
  TData value;
  ReadPoint(point, value);
  return value.Kind == kKindMatrix ? static_cast<TMatrixAccess*>(value.ObjValue) : nullptr;
}

std::vector<std::string> ReadRowCells(TMatrixAccess& matrix, int32_t row) {
  std::vector<std::string> cells(static_cast<size_t>(std::max(matrix.Cols(), 0)));
  for (size_t x = 0; x < cells.size(); ++x) {
    TData cell;
    matrix.Get(static_cast<int32_t>(x), row, cell);
    cells[x] = ValueToStr(cell);
  }
  return cells;
}

}  // namespace

void TVMJobFormatCheck::Forget() {
  Rows.fill(0);
  Matrices.fill(nullptr);
  Misfit.reset();
}

void TVMJobFormatCheck::Check(TData& data, uint16_t index) {
  Forget();
  ForwardData(data, OnOutput);
}

void TVMJobFormatCheck::Line(TData& data, uint16_t index) {
  if (index < Rows.size()) {
    if (!Misfit) {
      if (data.Kind == kKindString)
        NoteMisfit(index, data.StrValue);  // judged where it lies, not copied
      else
        NoteMisfit(index, ValueToStr(data));
    }
    ++Rows[index];
  }
  ForwardData(data, OnLine);
}

void TVMJobFormatCheck::NoteMisfit(size_t table, const std::string& line) {
  if (!Matrices[table]) Matrices[table] = ReadMatrix(Matrix[table]);
  TMatrixAccess* matrix = Matrices[table];
  if (!matrix) return;
  if (RowLineFits(line, static_cast<size_t>(std::max(matrix->Cols(), 0)))) return;
  const auto row = static_cast<int32_t>(Rows[table]);
  if (const auto cell = FindRowMisfit(table, ReadRowCells(*matrix, row)))
    Misfit = TJobCellPlace{table, Rows[table], *cell};
}

void TVMJobFormatCheck::Finish(TData& data, uint16_t index) {
  const std::optional<TJobCellPlace> misfit = Misfit;
  Forget();
  if (misfit && FetchPointStream(Stream) && !AskToSaveAnyway(*misfit)) {
    FireNull(OnAbandon);
    ForwardData(data, OnCancel);
    return;
  }
  ForwardData(data, OnDone);
}

bool TVMJobFormatCheck::AskToSaveAnyway(const TJobCellPlace& place) {
  const std::string text = "Таблица «" + TableNames[place.Table] + "», строка " +
                           std::to_string(place.Row + 1) + ", ячейка " +
                           std::to_string(place.Cell + 1) +
                           ": текст не прочтётся из файла так же (символы , / \\, "
                           "управляющие символы или метка раздела).\nВсё равно сохранить?";
  return MessageBoxA(DialogParent(), text.c_str(), "Сохранение файла",
                     MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
