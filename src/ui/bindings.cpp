#include "ui/bindings.h"

#include "store/ini.h"
#include "store/registry.h"
#include "store/text_util.h"

Binding IniBinding(std::string control, std::string file, std::string section, std::string key) {
  return {std::move(control),
          [=] {
            ClsINI ini(file, section);
            return Trim(RemoveNuls(ini.OpenINI(key)));
          },
          [=](const std::string& value) {
            ClsINI ini(file, section);
            ini.SaveINI(key, value);
          },
          {},
          {}};
}

Binding RegistryStringBinding(std::string control, HKEY hive, std::string subkey, std::string name) {
  return {std::move(control), [=] { return RegReadString(hive, subkey, name); },
          [=](const std::string& value) { RegWriteString(hive, subkey, name, value); }, {}, {}};
}

Binding RegistryDwordBinding(std::string control, HKEY hive, std::string subkey, std::string name) {
  return {std::move(control), [=] { return std::to_string(RegReadDword(hive, subkey, name)); },
          [=](const std::string& value) {
            RegWriteDword(hive, subkey, name, static_cast<DWORD>(ParseLeadingNumber(value)));
          },
          {},
          {}};
}

void LoadBindings(const Controls& controls, const std::vector<Binding>& bindings) {
  for (const Binding& binding : bindings) {
    std::string value = binding.read();
    if (binding.toControl) value = binding.toControl(value);
    if (controls.IsCheckBox(binding.control))
      controls.SetChecked(binding.control, value == "1");
    else
      controls.SetText(binding.control, value);
  }
}

void SaveBindings(const Controls& controls, const std::vector<Binding>& bindings) {
  for (const Binding& binding : bindings) {
    std::string value = controls.IsCheckBox(binding.control) ? (controls.Checked(binding.control) ? "1" : "0")
                                                              : controls.Text(binding.control);
    binding.write(binding.fromControl ? binding.fromControl(value) : value);
  }
}
