#include "ui/forms.h"

#include "state/app_state.h"
#include "ui/form_registry.h"
#include "ui/window.h"

bool IsFormLoaded(const std::string& name) { return FindLoadedForm(name) != nullptr; }

void UnloadFormByName(const std::string& name) {
  TheApp().UnloadRequestedByName = true;
  if (Window* form = FindLoadedForm(name)) form->Unload();
}
