#pragma once
// The category table Skin\Vdcate.ini. Placeholders until the catalog lands.

void LoadCategories();
void WriteDefaultCategories();
