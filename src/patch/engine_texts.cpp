#include "patch/engine_texts.h"

#include "store/text_util.h"

namespace {
void Line(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append("=").append(value).append("\r\n");
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}
}  // namespace

std::string PatchJobText(const std::vector<const PatchDescriptor*>& games) {
  std::string text;
  size_t n = 0;
  for (const PatchDescriptor* game : games) {
    const PatchDescriptor& g = *game;
    bool automatic = g.autoPathFlag == '1';
    text += "[GPI_" + std::to_string(n++) + "]\r\n";
    Line(text, "name", g.name);
    Line(text, "in_name", g.in_name);
    Line(text, "p_type", g.p_type);
    Line(text, "path1", automatic ? g.path1Spec : g.path1);
    Line(text, "path2", automatic ? std::string() : g.path2);
    Line(text, "getpathtype", g.getpathtype);
    Line(text, "regpath", g.regpath);
    Line(text, "p_module", g.p_module);
    Line(text, "p_completetype", g.p_completetype);
    Line(text, "p_caption", g.p_caption);
    Line(text, "g_module", g.g_module);
    Line(text, "g_caption", g.g_caption);
    Line(text, "g_lastver", g.g_lastver);
    Line(text, "id", g.id);
    Line(text, "pwd", g.pwd);
    Line(text, "idtag", g.idtag);
    Line(text, "pwdtag", g.pwdtag);
    Line(text, "loginscpt", g.loginscpt);
    Line(text, "startscpt", g.startscpt);
    Line(text, "closetype", g.closetype);
    Line(text, "cmpy", g.cmpy);
    Line(text, "tuning", g.tuning);
    Line(text, "basefolder", g.basefolder);
    Line(text, "actx", g.actx);
    Line(text, "timer", g.timer);
  }
  return text;
}

std::string InstallScanRequestText(const std::vector<PatchDescriptor>& descriptors) {
  std::string text;
  for (size_t i = 1; i < descriptors.size(); ++i) {
    const PatchDescriptor& g = descriptors[i];
    text += "[GPI_" + std::to_string(i - 1) + "]\r\n";
    Line(text, "in_name", g.in_name);
    Line(text, "path1", g.path1 == kAutomaticPath ? g.path1Spec : g.path1);
    Line(text, "path2", g.path2 == kAutomaticPath ? std::string() : g.path2);
    Line(text, "g_module", g.g_module);
    Line(text, "basefolder", g.basefolder);
  }
  return text;
}

std::vector<InstalledGame> ParseInstallScan(std::string_view text) {
  std::vector<InstalledGame> games;
  for (const std::string& raw : SplitLines(text)) {
    std::string line = ReplaceAll(ReplaceAll(Trim(raw), "/", "\\"), "\\\\", "\\");
    std::vector<std::string> parts = Split(line, ',');
    if (parts.size() >= 2 && !parts[1].empty()) games.push_back({parts[0], parts[1]});
  }
  return games;
}
