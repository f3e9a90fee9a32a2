#pragma once
// The patch panel's game list: one row per listed descriptor record.
#include "patch/patch_list_rules.h"
#include "ui/report_list.h"

// The ten columns, the hidden ones (record index, scheduled mark) without width.
void CreatePatchListColumns(ReportList& list, PatchColumns columns);
// Rebuilds the rows for the tab; the password mask counts the deciphered password's characters.
void FillPatchList(ReportList& list, const PatchTab& tab, PatchColumns columns, bool syncMode);
// The descriptor record index of a row (also shown in hidden column 8).
size_t RowRecord(const ReportList& list, int row);
