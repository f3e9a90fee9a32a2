#include "store/com.h"

namespace {
class ComForThisThread {
 public:
  ComForThisThread() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComForThisThread() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComForThisThread(const ComForThisThread&) = delete;
  ComForThisThread& operator=(const ComForThisThread&) = delete;

 private:
  HRESULT result_;
};
}  // namespace

void EnsureComForThisThread() { thread_local ComForThisThread com; }
