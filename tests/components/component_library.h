#pragma once
// One of the component DLLs, loaded by name from beside the test program (the client loads it
// from its program folder) and unloaded again, so each test starts with a fresh copy.
#include <windows.h>

class ComponentLibrary {
 public:
  explicit ComponentLibrary(const wchar_t* fileName) : module_(LoadLibraryW(fileName)) {}
  ~ComponentLibrary() {
    if (module_) FreeLibrary(module_);
  }
  ComponentLibrary(const ComponentLibrary&) = delete;
  ComponentLibrary& operator=(const ComponentLibrary&) = delete;

  bool loaded() const { return module_ != nullptr; }

  // The export of that name as a function pointer of type F, or null.
  template <class F>
  F Function(const char* name) const {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};
