// gallery.exe FOLDER [PAGE...]: runs every registered page (or the named ones), writing PNG
// files into FOLDER. The look the pictures show is whatever the Windows set-up gives: the run
// script starts it once per look, in a prefix set up for that look.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "controls/xp_controls.h"
#include "gallery.h"
#include "png_writer.h"

namespace pp::gallery {

std::vector<Page>& Pages() {
  static std::vector<Page> pages;
  return pages;
}

PageRegistrar::PageRegistrar(const char* name, PageFunction page) { Pages().push_back({name, page}); }

void Gallery::Picture(const std::string& name, int width, int height, const std::function<void(HDC)>& draw,
                      COLORREF background) {
  Surface s(width, height, background);
  draw(s.dc());
  const std::string path = folder_ + "\\" + name + ".png";
  if (s.Save(path)) {
    ++written;
  } else {
    ++failed;
    std::fprintf(stderr, "gallery: cannot write %s\n", path.c_str());
  }
}

}  // namespace pp::gallery

int main(int argc, char** argv) {
  using namespace pp::gallery;
  if (argc < 2) {
    std::fprintf(stderr, "usage: gallery FOLDER [PAGE...]\n");
    return 2;
  }
  CreateDirectoryA(argv[1], nullptr);
  const char* look = std::getenv("PP_LOOK");
  Gallery gallery(argv[1], look ? look : "");
  pp::controls::StartXPControls();
  for (const Page& page : Pages()) {
    bool wanted = argc == 2;
    for (int i = 2; i < argc; ++i) wanted |= std::strcmp(argv[i], page.name) == 0;
    if (!wanted) continue;
    try {
      page.function(gallery);
    } catch (const std::exception& e) {
      ++gallery.failed;
      std::fprintf(stderr, "gallery: page %s failed: %s\n", page.name, e.what());
    }
  }
  pp::controls::EndXPControls();
  std::printf("gallery: %d pictures written, %d failed\n", gallery.written, gallery.failed);
  return gallery.failed ? 1 : 0;
}
