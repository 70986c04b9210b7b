#include "tools/datagen/DataGen.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

std::string OutputPathFor(const GenContext& ctx, const char* gamePath) {
  // Drop the leading "data", fold doubled separators and the game's
  // backslashes into single slashes.
  std::string rest(gamePath);
  if (rest.compare(0, 4, "data") == 0) rest.erase(0, 4);
  std::string out = ctx.outRoot;
  char last = out.empty() ? '\0' : out.back();
  for (char c : rest) {
    if (c == '\\') c = '/';
    if (c == '/' && last == '/') continue;
    out.push_back(c);
    last = c;
  }
  return out;
}

static bool MakeParentFolders(const std::string& path) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] != '/') continue;
    std::string dir = path.substr(0, i);
    if (mkdir(dir.c_str(), 0755) != 0) {
      struct stat st;
      if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    }
  }
  return true;
}

bool WriteOutputFile(const std::string& path, const void* bytes, size_t size) {
  if (!MakeParentFolders(path)) {
    std::fprintf(stderr, "fv_datagen: cannot create the folder of %s\n", path.c_str());
    return false;
  }
  // Another build may read the folder while this one writes: a reader sees
  // either the old or the new file, never half of one.
  std::string temp = path + ".part" + std::to_string(static_cast<long>(getpid()));
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "fv_datagen: cannot write %s\n", temp.c_str());
    return false;
  }
  bool ok = std::fwrite(bytes, 1, size, f) == size;
  ok = (std::fclose(f) == 0) && ok;
  if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    std::remove(temp.c_str());
    std::fprintf(stderr, "fv_datagen: writing %s failed\n", path.c_str());
  }
  return ok;
}

bool WriteOutputFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteOutputFile(path, bytes.data(), bytes.size());
}
