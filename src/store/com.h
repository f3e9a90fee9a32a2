#pragma once
// COM for the calling thread, and an owning pointer to a COM interface.
#include <objbase.h>

// COM stays initialised on a thread from its first use to the thread's end: starting and stopping
// it around every call costs more than the work done in between.
void EnsureComForThisThread();

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T** out() { return &p_; }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};
