#pragma once
// The entry points of the skin library (the shared object written to disk as "wurmix.dll"). They
// have C linkage, so that the loader finds them by their plain names with dlsym.
//
// Every entry may be called from any thread; the library keeps its state under a lock. Where the
// process has a QApplication, the skin is shown on it: at once when called on its thread, else
// queued to that thread. Without one the library only records its state.

#define SKIN_EXPORT __attribute__((visibility("default")))

extern "C" {

// Reads the skin file at the native path `skinPath` and shows it on every window of the
// application, those open and those made later; the tint goes back to (0, 0, 0). `second` is
// accepted for the callers' sake and not used. Returns 1 on success; 0 when the path is null or
// the file cannot be read or is not a skin file (the skin shown so far, if any, stays).
SKIN_EXPORT int SkinH_AttachEx(const char* skinPath, const char* second);

// Re-tints the attached skin and repaints the open windows; the ranges of the three values and
// their clamping are given in SkinTint.h. The tint is recorded even when no skin is attached yet.
// Returns 1 when a skin is attached, 0 otherwise.
SKIN_EXPORT int SkinH_AdjustHSV(int hue, int saturation, int brightness);

// For tests: copies the path of the attached skin file into `pathOut` (cut to pathCapacity - 1
// bytes and NUL-terminated; nothing is written when pathOut is null or pathCapacity < 1) and the
// current, clamped tint into the three integers that are not null. Returns 1 when a skin is
// attached, 0 otherwise (the path is then empty).
SKIN_EXPORT int SkinH_GetState(char* pathOut, int pathCapacity, int* hue, int* saturation,
                               int* brightness);

}  // extern "C"

// The entries' types, for the loader and the tests.
using SkinAttachExFunction = int (*)(const char*, const char*);
using SkinAdjustHsvFunction = int (*)(int, int, int);
using SkinGetStateFunction = int (*)(char*, int, int*, int*, int*);
