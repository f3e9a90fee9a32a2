#pragma once
// Waiting without freezing the windows: every wait keeps dispatching window messages.

// Lets every pending window message run once. A WM_QUIT met here is posted again afterwards,
// so the message loop that owns the process still sees it.
void DoEvents();

// Waits ms milliseconds on a waitable timer while dispatching messages. A wait started while
// another is in progress (from a handler run by the earlier wait) first waits for the earlier
// one to end, then waits its own full time.
void WaitMilliseconds(unsigned ms);

// Waits until the handle (a process, an event) is signalled while dispatching messages.
void WaitForObjectPumping(void* handle);
