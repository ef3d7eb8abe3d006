// starter_library SOURCE OUTPUT: writes the pattern library described by
// the readable SOURCE (see starter_source.h) as a library file, through the
// same store code the program uses. Runs at build time on the build machine.
#include <cstdio>
#include <string>

#include "profile/file_lock.h"
#include "profile/ini_file.h"
#include "tools/starter_library/starter_source.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: starter_library SOURCE OUTPUT\n");
        return 2;
    }
    std::string source, error;
    if (!ReadWholeFile(argv[1], source)) {
        std::fprintf(stderr, "starter_library: cannot read %s\n", argv[1]);
        return 1;
    }
    GunStore store;
    if (!ParseStarterSource(source, store, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    InProcessFileLock lock;
    if (!SaveGunStore(store, argv[2], lock)) {
        std::fprintf(stderr, "starter_library: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
