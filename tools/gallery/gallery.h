// The gallery: a program that draws every generated image and drawing helper into PNG files,
// so that a person can look at each look of the themed controls. Each family of controls adds
// its own source file here (NAME_gallery.cpp) with one or more GALLERY_PAGE blocks; nothing
// else needs editing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "surface.h"

namespace pp::gallery {

class Gallery {
 public:
  Gallery(std::string folder, std::string look) : folder_(std::move(folder)), look_(std::move(look)) {}
  const std::string& Look() const { return look_; }  // "luna", "classic", "themed" or ""
  // Draws one picture and writes FOLDER/NAME.png; a failure to write is reported on stderr.
  void Picture(const std::string& name, int width, int height, const std::function<void(HDC)>& draw,
               COLORREF background = RGB(255, 255, 255));
  int written = 0, failed = 0;

 private:
  std::string folder_, look_;
};

using PageFunction = void (*)(Gallery&);
struct PageRegistrar {
  PageRegistrar(const char* name, PageFunction page);
};
struct Page {
  const char* name;
  PageFunction function;
};
std::vector<Page>& Pages();

}  // namespace pp::gallery

#define GALLERY_PAGE(NAME)                                                       \
  static void NAME##_page(::pp::gallery::Gallery& gallery);                      \
  static ::pp::gallery::PageRegistrar NAME##_registrar(#NAME, &NAME##_page);    \
  static void NAME##_page([[maybe_unused]] ::pp::gallery::Gallery& gallery)
