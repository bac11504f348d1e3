// The main() of every test binary: GoogleTest on the offscreen Qt platform, with the sanitizer
// settings built in so that a test binary run by hand behaves as under ctest.
#include <gtest/gtest.h>

#include <cstdlib>

extern "C" {
// Leaks inside system libraries that the program cannot free (font and graphics stacks).
const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libdbus\nleak:libglib\n";
}
const char* __asan_default_options() { return "detect_leaks=1:abort_on_error=0"; }
const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
}

int main(int argc, char** argv) {
    // No test needs a display; a caller may still choose another platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
