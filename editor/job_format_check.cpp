#include "editor/job_format_check.h"

#include <windows.h>

#include "toolkit/dialog_parent.h"
#include "editor/job_format_fit.h"

namespace {

TJobTableCells ReadMatrix(TVM_Event& point) {
  TJobTableCells table;
  TData value;
  ReadPoint(point, value);
  if (value.Kind != kKindMatrix || !value.ObjValue) return table;
  TMatrixAccess& matrix = *static_cast<TMatrixAccess*>(value.ObjValue);
  const int32_t rows = matrix.Rows(), cols = matrix.Cols();
  table.resize(rows, std::vector<std::string>(cols));
  for (int32_t y = 0; y < rows; ++y)
    for (int32_t x = 0; x < cols; ++x) {
      TData cell;
      matrix.Get(x, y, cell);
      table[y][x] = ValueToStr(cell);
    }
  return table;
}

}  // namespace

void TVMJobFormatCheck::Check(TData& data, uint16_t index) {
  const TJobTablesCells tables{ReadMatrix(Matrix[0]), ReadMatrix(Matrix[1]), ReadMatrix(Matrix[2]),
                               ReadMatrix(Matrix[3])};
  if (const auto misfit = FindJobFormatMisfit(tables)) {
    const std::string text = "Таблица «" + TableNames[misfit->Table] + "», строка " +
                             std::to_string(misfit->Row + 1) + ", ячейка " +
                             std::to_string(misfit->Cell + 1) +
                             ": текст не прочтётся из файла так же (символы , / \\, "
                             "управляющие символы или метка раздела).\nВсё равно сохранить?";
    if (MessageBoxA(DialogParent(), text.c_str(), "Сохранение файла",
                    MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
      ForwardData(data, OnCancel);
      return;
    }
  }
  ForwardData(data, OnOutput);
}
