// A skin library that lacks SkinH_AdjustHSV: the loader must report the missing entry point.
extern "C" __attribute__((visibility("default"))) int SkinH_AttachEx(const char*, const char*) {
  return 1;
}
