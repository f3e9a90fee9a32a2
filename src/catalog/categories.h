#pragma once
// The category table Skin\Vdcate.ini: one section per menu category, in menu order.
#include <string>

#include "state/catalog_records.h"
#include <vector>

std::string CategoryFile();

// Fills TheApp().Categories (slot 0 unused) from the file, writing the default table when the file
// is missing and appending the sections that files of older versions lack. A category whose tag
// is no plain folder name is left out.
void LoadCategories();
// Replaces the file by the twenty default sections; the list is left to LoadCategories.
void WriteDefaultCategories();

// The settings window's save: used categories in menu order (ranks 01, 02, ...), then the unused
// ones. Refuses fewer than three used categories and asks first; true when the file was rewritten.
bool SaveCategoryOrder(const std::vector<std::string>& used, const std::vector<std::string>& unused);
