#pragma once
// The pictures of the skinned windows: files of the \image\ folder under the program folder.
// Their names come from the owner's and the agent's files (category codes, launcher arguments,
// Button.ini), so a name that would reach outside the folder gives no file ("").
#include <string>

std::string ImageFile(const std::string& name);
