#include "patch/run_log_rules.h"

#include <unordered_map>

#include "catalog/section_reader.h"
#include "store/text_util.h"

namespace {
struct LoggedValues {
  std::string stime, etime, state;
  bool hasStime = false, hasEtime = false, hasState = false;
};

// First occurrence of every section and, inside it, of every key.
std::unordered_map<std::string, LoggedValues> ReadValues(std::string_view text) {
  std::unordered_map<std::string, LoggedValues> sections;
  LoggedValues* current = nullptr;
  bool firstOccurrence = false;
  SectionReader reader;
  reader.section = [&](std::string name) {
    auto [it, inserted] = sections.try_emplace(ToLowerAscii(Trim(name)));
    current = &it->second;
    firstOccurrence = inserted;
  };
  reader.keyValue = [&](std::string_view key, std::string_view value) {
    if (!current || !firstOccurrence) return;
    auto take = [&](std::string& field, bool& has) {
      if (!has) field = Trim(RemoveNuls(value)), has = true;
    };
    if (key == "stime") take(current->stime, current->hasStime);
    if (key == "etime") take(current->etime, current->hasEtime);
    if (key == "state") take(current->state, current->hasState);
  };
  reader.Read(text);
  return sections;
}

void Copy(const std::unordered_map<std::string, LoggedValues>& values, RunRecord& record) {
  auto found = values.find(ToLowerAscii(Trim(record.section)));
  if (found == values.end()) return;
  record.stime = found->second.stime;
  record.etime = found->second.etime;
  record.state = found->second.state;
}

void Line(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append("=").append(value).append("\r\n");
}
}  // namespace

std::vector<RunRecord> ParseRunLog(std::string_view text) {
  std::vector<RunRecord> records(1);
  SectionReader reader;
  reader.section = [&](std::string name) {
    if (records.size() <= kMaxPatchGamesInRun) records.emplace_back().section = std::move(name);
  };
  reader.keyValue = [&](std::string_view key, std::string_view value) {
    if (records.size() < 2) return;
    RunRecord& record = records.back();
    if (key == "gname") record.gname = value;
    if (key == "stime") record.stime = value;
    if (key == "etime") record.etime = value;
    if (key == "state") record.state = value;
  };
  reader.Read(text);
  return records;
}

std::vector<size_t> FollowRunLog(std::string_view text, std::vector<RunRecord>& records) {
  auto values = ReadValues(text);
  std::vector<size_t> failed;
  for (size_t i = 1; i < records.size(); ++i) {
    if (!records[i].state.empty()) continue;
    Copy(values, records[i]);
    if (records[i].state == "F") failed.push_back(i);
  }
  return failed;
}

void RereadRunRecords(std::string_view text, std::vector<RunRecord>& records, const std::vector<size_t>& which) {
  auto values = ReadValues(text);
  for (size_t i : which)
    if (i < records.size()) Copy(values, records[i]);
}

std::string OutcomeWord(const RunRecord& record) {
  static const std::unordered_map<std::string, std::string> words = {
      {"S", "성공"},     {"F", "실패"},   {"X", "설치안됨"},  {"N", "최신버전"},
      {"O", "재설치필요"}, {"T", "점검중"}, {"C", "패치중지함"},
  };
  if (record.state.empty()) return record.stime.empty() ? std::string() : std::string("진행중");
  auto found = words.find(record.state);
  return found == words.end() ? std::string() : found->second;
}

bool GoesToRetryList(const RunRecord& record) { return record.state == "F" || record.state == "C"; }

std::string RunLogSection(const PatchDescriptor& game, bool withRegistry, const std::string& inspectedAt) {
  std::string text = "[" + game.in_name + "]\r\n";
  Line(text, "GName", game.name);
  Line(text, "cmpy", game.cmpy);
  Line(text, "p_type", game.p_type);
  Line(text, "GCode", game.GCode);
  if (withRegistry) {
    Line(text, "reg1", game.sync_reg1);
    Line(text, "reg2", game.sync_reg2);
  }
  if (!inspectedAt.empty()) {
    Line(text, "STime", inspectedAt);
    Line(text, "ETime", inspectedAt);
    Line(text, "STATE", "T");
  }
  return text;
}
