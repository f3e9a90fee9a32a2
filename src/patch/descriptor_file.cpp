#include "patch/descriptor_file.h"

#include <algorithm>
#include <map>
#include <string>

#include "catalog/section_reader.h"
#include "store/text_util.h"

namespace {
using Field = std::string PatchDescriptor::*;

// Keys stored as they come, in the field of the same name.
const std::map<std::string, Field, std::less<>>& PlainFields() {
  static const std::map<std::string, Field, std::less<>> fields = {
      {"name", &PatchDescriptor::name},           {"in_name", &PatchDescriptor::in_name},
      {"getpathtype", &PatchDescriptor::getpathtype}, {"regpath", &PatchDescriptor::regpath},
      {"p_module", &PatchDescriptor::p_module},   {"p_completetype", &PatchDescriptor::p_completetype},
      {"p_caption", &PatchDescriptor::p_caption}, {"g_module", &PatchDescriptor::g_module},
      {"g_caption", &PatchDescriptor::g_caption}, {"g_lastver", &PatchDescriptor::g_lastver},
      {"id", &PatchDescriptor::id},               {"pwd", &PatchDescriptor::pwd},
      {"idtag", &PatchDescriptor::idtag},         {"pwdtag", &PatchDescriptor::pwdtag},
      {"loginscpt", &PatchDescriptor::loginscpt}, {"startscpt", &PatchDescriptor::startscpt},
      {"closetype", &PatchDescriptor::closetype}, {"cmpy", &PatchDescriptor::cmpy},
      {"tuning", &PatchDescriptor::tuning},       {"basefolder", &PatchDescriptor::basefolder},
      {"actx", &PatchDescriptor::actx},           {"sync", &PatchDescriptor::sync},
      {"sync_reg1", &PatchDescriptor::sync_reg1}, {"sync_reg2", &PatchDescriptor::sync_reg2},
      {"sync_icon", &PatchDescriptor::sync_icon}, {"sync_ver", &PatchDescriptor::sync_ver},
  };
  return fields;
}

void SetPatchType(PatchDescriptor& record, std::string_view value) {
  record.p_type = value;
  record.accountFlag = (value == "2" || value == "3" || value == "4" || value == "5") ? '1' : '0';
}

void SetPath1(PatchDescriptor& record, std::string_view value) {
  record.path1 = record.path1Spec = value;
  record.ownerPathFlag = '0';
  record.autoPathFlag = IsAutomaticPathSpec(value) ? '1' : '0';
  if (record.autoPathFlag == '1') record.path1 = kAutomaticPath;
}

// Sees the automatic flag only when path1 came first in the section.
void SetPath2(PatchDescriptor& record, std::string_view value) {
  record.path2Spec = value;
  record.path2 = (record.autoPathFlag == '1' && value.empty()) ? std::string(kAutomaticPath) : std::string(value);
}

void SetInfo(PatchDescriptor& record, std::string_view value) {
  record.info = value;
  std::vector<std::string> parts = Split(value, '/');
  if (parts.size() >= 3) record.GCode = parts[2];
}

void SetField(PatchDescriptor& record, std::string_view key, std::string_view value) {
  if (auto plain = PlainFields().find(key); plain != PlainFields().end()) {
    record.*(plain->second) = value;
  } else if (key == "p_type") {
    SetPatchType(record, value);
  } else if (key == "path1") {
    SetPath1(record, value);
  } else if (key == "path2") {
    SetPath2(record, value);
  } else if (key == "info") {
    SetInfo(record, value);
  } else if (key == "timer") {
    record.timer = value.empty() ? std::string("20") : std::string(value);
  }
}
}  // namespace

bool IsAutomaticPathSpec(std::string_view path1Spec) {
  if (path1Spec.size() < 4) return false;
  std::string head = ToUpperAscii(path1Spec.substr(0, 4));
  return head == "REG/" || head == "INI/";
}

std::vector<PatchDescriptor> ParseDescriptors(std::string_view text) {
  std::vector<PatchDescriptor> records(1);
  // Moving a record is dear (forty texts): room for every section at once.
  size_t sections = 0;
  for (size_t at = text.find('['); at != std::string_view::npos; at = text.find('[', at + 1)) ++sections;
  records.reserve(std::min(sections, kMaxPatchGames) + 1);
  bool full = false, sawPath2 = false;
  // A game with an automatic path and no second path shows the automatic word for both.
  auto finish = [&] {
    PatchDescriptor& record = records.back();
    if (records.size() > 1 && !sawPath2 && record.autoPathFlag == '1') record.path2 = kAutomaticPath;
  };
  SectionReader reader;
  reader.section = [&](std::string) {
    finish();
    sawPath2 = false;
    full = records.size() > kMaxPatchGames;
    if (!full) records.emplace_back();
  };
  reader.keyValue = [&](std::string_view key, std::string_view value) {
    if (records.size() < 2 || full) return;
    sawPath2 |= key == "path2";
    SetField(records.back(), key, value);
  };
  reader.Read(text);
  finish();
  return records;
}
