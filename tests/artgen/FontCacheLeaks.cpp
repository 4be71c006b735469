// The leak checker's suppressions for this test program, read by LeakSanitizer when it starts (the
// function is ignored in builds without it). Pango, cairo and fontconfig keep font caches for the whole
// process, partly in thread-local storage and in use by Pango's font-sorting thread, so they cannot be
// torn down safely at exit. Only allocations made inside these libraries are passed over.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_options();

extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libpango-1.0.so\n"
           "leak:libpangoft2-1.0.so\n"
           "leak:libpangocairo-1.0.so\n"
           "leak:libcairo.so\n"
           "leak:libharfbuzz.so\n";
}
