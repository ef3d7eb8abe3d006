// skin_generator <layout folder> <skins output folder> <resource output folder> [<entry header>]
//
// Builds the skin set of the configuration program from the layout
// descriptions, and the header that names their entries. Layout problems
// are listed and nothing is written.
#include <cairo.h>

#include <cstdio>
#include <exception>

#include "skin_set.h"

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: %s <layout folder> <skins output folder> <resource output folder> [<entry header>]\n",
                 argv[0]);
    return 2;
  }
  int status = 0;
  try {
    const SkinSources sources = ReadSkinSources(argv[1]);
    const auto problems = CheckSkinSources(sources);
    for (const auto& p : problems) std::fprintf(stderr, "%s\n", p.c_str());
    if (problems.empty()) {
      WriteSkinSet(sources, argv[2], argv[3]);
      if (argc == 5) WriteEntryHeaderFile(sources, argv[4]);
    } else
      status = 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    status = 1;
  }
  cairo_debug_reset_static_data();
  return status;
}
