#pragma once
// Per-thread apartments, with the counting rules of CoInitialize / CoUninitialize.
//
// The automation-object stand-ins (TextStream, RegExp) can only be created on a thread whose
// apartment is initialised, so every user brackets its work with ComInit / ComUninit on the one
// thread that does that work. The state is per thread: no call here affects another thread, and
// every function may be called from any thread.

namespace cinevora {

// The first call on a thread initialises its apartment; each further call only counts and needs
// its own ComUninit. Never fails.
void ComInit();

// Undoes one ComInit of the calling thread; the last one leaves the thread uninitialised.
// A call without a matching ComInit does nothing.
void ComUninit();

// True while the calling thread has more ComInit calls than ComUninit calls.
bool ComInitialised();

}  // namespace cinevora
