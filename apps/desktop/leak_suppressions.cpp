// Under LeakSanitizer: the D-Bus library that Qt's desktop integration uses
// keeps a buffer to the end of the process, which is no leak of this program.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_options();

extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
