// A quarantine of 16 MB instead of 256: freed memory comes back before the kernel has
// to hand out fresh pages, which on a virtual machine costs more than the targets
// themselves (three to five times the inputs a second). A use after free within one
// input is still caught.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
