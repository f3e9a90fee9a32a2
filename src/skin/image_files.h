#pragma once
// The pictures of the skinned windows: files of the \image\ folder under the program folder.
#include <string>

std::string ImageFile(const std::string& name);
