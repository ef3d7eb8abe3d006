// profiletool: writes the default files, dumps or checks a profile file.
#include <cstdio>
#include <memory>
#include <string>

#include "profile/file_lock.h"
#include "profile/ini_file.h"
#include "profile/profile_files.h"
#include "tools/profiletool/profile_check.h"
#include "tools/profiletool/profile_dump.h"
#include "tools/profiletool/write_defaults.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: profiletool defaults DIR   write config.ini and config/Default0..4.gmp into DIR\n"
                 "       profiletool dump FILE      print a profile file field by field\n"
                 "       profiletool check FILE     list missing keys and damaged button entries\n");
    return 2;
}

// The folder with a trailing separator, as the programs hold it.
std::string AsFolder(std::string dir) {
    if (dir.empty()) return "./";
    if (dir.back() != '/' && dir.back() != '\\') dir += '/';
    return dir;
}

bool ReadProfileText(const std::string& path, IniDocument& document) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        std::fprintf(stderr, "profiletool: cannot read %s\n", path.c_str());
        return false;
    }
    document = IniDocument::Parse(text);
    return true;
}

int Defaults(const std::string& dir) {
    if (!WriteDefaultFiles(AsFolder(dir))) {
        std::fprintf(stderr, "profiletool: cannot write the default files into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}

int Dump(const std::string& path) {
    IniDocument document;
    if (!ReadProfileText(path, document)) return 1;
    const auto profile = std::make_unique<Profile>();
    LoadProfileFrom(document, *profile, NoTexts());
    std::fputs(DumpProfile(*profile).c_str(), stdout);
    return 0;
}

int Check(const std::string& path) {
    IniDocument document;
    if (!ReadProfileText(path, document)) return 1;
    const auto problems = CheckProfileFile(document);
    for (const std::string& problem : problems) std::printf("%s\n", problem.c_str());
    if (problems.empty()) std::printf("%s: all keys present and valid\n", path.c_str());
    return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Usage();
    const std::string command = argv[1];
    if (command == "defaults") return Defaults(argv[2]);
    if (command == "dump") return Dump(argv[2]);
    if (command == "check") return Check(argv[2]);
    return Usage();
}
