// SPDX-License-Identifier: GPL-3.0-or-later
// OpenSSL keeps per-thread random generator state that it frees only when a thread ends through its
// own clean-up, which Qt's TLS backend does not run for the test's server thread. The leak checker of
// the sanitizer build reads this list; other builds never call it.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libcrypto.so\n"
           "leak:libssl.so\n";
}
