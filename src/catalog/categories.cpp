#include "catalog/categories.h"

void LoadCategories() {}
void WriteDefaultCategories() {}
