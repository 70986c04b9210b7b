// fv_contact_sheet [DATA_DIR] [OUT_PNG]: one picture of every generated
// picture, tinted black and untinted, for looking the set over.
#include <cstdio>
#include <string>

#include "tools/datagen/ContactSheet.h"

int main(int argc, char** argv) {
  const char* data = argc > 1 ? argv[1] : "data";
  const char* out = argc > 2 ? argv[2] : "artifacts/contact_sheet.png";
  if (!MakeContactSheet(data, out)) {
    std::fprintf(stderr, "fv_contact_sheet: could not write %s\n", out);
    return 1;
  }
  std::string preview = std::string(out);
  size_t slash = preview.rfind('/');
  preview = (slash == std::string::npos ? std::string() : preview.substr(0, slash + 1)) + "scene_preview.png";
  if (!MakeScenePreview(data, preview)) {
    std::fprintf(stderr, "fv_contact_sheet: could not write %s\n", preview.c_str());
    return 1;
  }
  std::printf("fv_contact_sheet: wrote %s and %s\n", out, preview.c_str());
  return 0;
}
