#pragma once
// A byte buffer that leaves new elements uninitialised: the decoder fills every byte it keeps,
// and zero-filling tens of megabytes first would cost as much as unfiltering them.
#include <cstdint>
#include <memory>
#include <vector>

template <class T>
struct UninitialisedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  using std::allocator<T>::allocator;
  template <class U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <class U, class... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};

using Bytes = std::vector<uint8_t, UninitialisedAllocator<uint8_t>>;
