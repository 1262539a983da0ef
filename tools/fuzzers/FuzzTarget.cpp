// A libFuzzer target: the check named by LUMENFOLD_FUZZ_TARGET on every input. A failed check
// aborts, so that libFuzzer keeps the input like that of a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzCheck check = FuzzCheckNamed(LUMENFOLD_FUZZ_TARGET);
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString fault = check(input);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", LUMENFOLD_FUZZ_TARGET, qUtf8Printable(fault));
        std::abort();
    }
    return 0;
}
