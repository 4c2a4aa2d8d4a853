// Linked into the test binaries that play media. GStreamer and PulseAudio
// keep allocations (and the video frames and windows those hold) alive until
// the process ends, which LeakSanitizer cannot tell from leaks; these
// binaries run with leak detection off. Every other test binary keeps it on,
// and AddressSanitizer's other checks stay on here too.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
