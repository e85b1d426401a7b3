// What compiled code expects of a C runtime, for a DLL linked without one.
// Every object using floating point (the plug-in passes DBL_MAX as the time
// of a parameter) refers to _fltused, which the runtime would define; nothing
// reads it. The value is the one Microsoft's runtime gives it.
extern "C" int _fltused = 0x9875;
