// fv_datagen: writes the game's data folder. Every file is independent, so
// the catalogue is shared out over all cores, slowest files first.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tools/datagen/DataCatalogue.h"

static void Usage() {
  std::fprintf(stderr,
               "usage: fv_datagen [--out DIR] [--only TEXT] [--jobs N] [--font FILE] [--licence FILE]\n"
               "  --out DIR    folder that stands for \"data\" (default: data)\n"
               "  --only TEXT  generate only the files whose path contains TEXT\n");
}

int main(int argc, char** argv) {
  GenContext ctx;
  ctx.outRoot = "data";
  ctx.fontPath = FV_FONT_SOURCE;
  ctx.licencePath = FV_FONT_LICENCE;
  std::string only;
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  for (int i = 1; i < argc; ++i) {
    bool hasValue = i + 1 < argc;
    if (!std::strcmp(argv[i], "--out") && hasValue) ctx.outRoot = argv[++i];
    else if (!std::strcmp(argv[i], "--only") && hasValue) only = argv[++i];
    else if (!std::strcmp(argv[i], "--font") && hasValue) ctx.fontPath = argv[++i];
    else if (!std::strcmp(argv[i], "--licence") && hasValue) ctx.licencePath = argv[++i];
    else if (!std::strcmp(argv[i], "--jobs") && hasValue) jobs = std::max(1, std::atoi(argv[++i]));
    else {
      Usage();
      return 2;
    }
  }
  while (ctx.outRoot.size() > 1 && ctx.outRoot.back() == '/') ctx.outRoot.pop_back();

  std::vector<const DataFile*> work;
  for (const DataFile& file : DataCatalogue()) {
    if (only.empty() || std::strstr(file.path, only.c_str())) work.push_back(&file);
  }
  std::stable_sort(work.begin(), work.end(),
                   [](const DataFile* a, const DataFile* b) { return a->cost > b->cost; });

  auto start = std::chrono::steady_clock::now();
  std::atomic<size_t> next{0};
  std::atomic<int> failures{0};
  auto worker = [&]() {
    for (size_t i = next++; i < work.size(); i = next++) {
      if (!work[i]->generate(*work[i], ctx)) {
        std::fprintf(stderr, "fv_datagen: could not make %s\n", work[i]->path);
        ++failures;
      }
    }
  };
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < jobs; ++t) threads.emplace_back(worker);
  for (auto& t : threads) t.join();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("fv_datagen: %zu files into %s in %.2f s on %u threads\n", work.size(),
              ctx.outRoot.c_str(), seconds, jobs);
  if (failures) {
    std::fprintf(stderr, "fv_datagen: %d files failed\n", failures.load());
    return 1;
  }
  return 0;
}
