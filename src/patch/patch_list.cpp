#include "patch/patch_list.h"

#include <windows.h>

#include "state/app_state.h"
#include "store/cipher.h"

namespace {
constexpr int kWidths[kPatchListColumns] = {150, 170, 70, 80, 50, 0, 0, 150, 0, 0};

size_t PasswordLength(const PatchDescriptor& game) {
  if (game.accountFlag != '1' || game.pwd.empty()) return 0;
  std::string plain = DecipherText(game.pwd);
  // Characters, not bytes: a Korean character is one star.
  return static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, plain.data(), static_cast<int>(plain.size()), nullptr, 0));
}
}  // namespace

void CreatePatchListColumns(ReportList& list, PatchColumns columns) {
  auto headers = PatchColumnHeaders(columns);
  const char* rest[] = {"", "타이머", "", "", "설치경로2", "", ""};
  for (size_t i = 0; i < kPatchListColumns; ++i)
    list.AddColumn(i < headers.size() ? headers[i] : rest[i - headers.size() + 1], kWidths[i]);
}

void FillPatchList(ReportList& list, const PatchTab& tab, PatchColumns columns, bool syncMode) {
  const auto& descriptors = TheApp().Patch.descriptors;
  SendMessageW(list.hwnd(), WM_SETREDRAW, FALSE, 0);
  list.Clear();
  for (size_t i = 1; i < descriptors.size(); ++i) {
    const PatchDescriptor& game = descriptors[i];
    if (!IsListed(game, tab, syncMode)) continue;
    auto texts = PatchRowTexts(game, i, columns, PasswordLength(game));
    int row = list.AddRow(texts[0], static_cast<LPARAM>(i));
    for (size_t column = 1; column < texts.size(); ++column)
      if (!texts[column].empty()) list.SetText(row, static_cast<int>(column), texts[column]);
  }
  SendMessageW(list.hwnd(), WM_SETREDRAW, TRUE, 0);
}

size_t RowRecord(const ReportList& list, int row) { return static_cast<size_t>(list.Data(row)); }
