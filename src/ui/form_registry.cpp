#include "ui/form_registry.h"

#include <algorithm>

#include "store/text_util.h"
#include "ui/window.h"

namespace {
std::vector<Window*>& LoadedForms() {
  static std::vector<Window*> forms;
  return forms;
}
}  // namespace

void RegisterLoadedForm(Window* form) {
  auto& forms = LoadedForms();
  if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
}

void ForgetLoadedForm(Window* form) { std::erase(LoadedForms(), form); }

Window* FindLoadedForm(const std::string& name) {
  auto& forms = LoadedForms();
  auto found = std::find_if(forms.rbegin(), forms.rend(),
                            [&](Window* form) { return EqualsIgnoreCaseAscii(form->FormName(), name); });
  return found == forms.rend() ? nullptr : *found;
}
