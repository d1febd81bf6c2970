#include "controls/button_images.h"

#include <tlhelp32.h>

#include <memory>

#include "controls/winxp_buttons.h"
#include "toolkit/errors.h"

namespace pp::controls {

namespace {
std::unique_ptr<TAlphaImage> g_push_button;
std::unique_ptr<TAlphaImage> g_check_box;

struct KindGlyphs {
  HBITMAP bitmaps[bkAll + 1] = {};
  ~KindGlyphs() { Free(); }
  void Free() {
    for (HBITMAP& b : bitmaps) {
      if (b) DeleteObject(b);
      b = nullptr;
    }
  }
};
KindGlyphs g_kind_glyphs;

BOOL CALLBACK FindBitmapIn(HMODULE module, LPCSTR name, HBITMAP* found) {
  if (FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_BITMAP)))
    *found = static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  return *found == nullptr;
}

// Every module of the process in load order (the executable first); the first that holds a
// bitmap of that name wins.
HBITMAP FindBitmapInLoadedModules(const char* name) {
  HBITMAP found = nullptr;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
  if (snapshot != INVALID_HANDLE_VALUE) {
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more && !found; more = Module32Next(snapshot, &entry))
      FindBitmapIn(entry.hModule, name, &found);
    CloseHandle(snapshot);
  }
  // Where no snapshot can be taken, at least the module that carries our own resources.
  if (!found) FindBitmapIn(ImageResourceModule(), name, &found);
  return found;
}
}  // namespace

namespace {
// An image that cannot be loaded leaves its controls drawing the classic look in place of
// Luna: a dialog that shows plainly beats one that cannot be made at all.
void TryLoad(std::unique_ptr<TAlphaImage>& image, const char* name) {
  if (image) return;
  try {
    image = std::make_unique<TAlphaImage>(name);
  } catch (const std::exception&) {
  }
}
}  // namespace

void LoadButtonImages() noexcept {
  TryLoad(g_push_button, "XPPUSHBUTTON");
  TryLoad(g_check_box, "XPCHECKBOX");
}

const TAlphaImage* PushButtonImage() noexcept { return g_push_button.get(); }
const TAlphaImage* CheckBoxImage() noexcept { return g_check_box.get(); }

void FreeButtonImages() noexcept {
  g_push_button.reset();
  g_check_box.reset();
  g_kind_glyphs.Free();
}

HBITMAP KindGlyph(TBitBtnKind kind) {
  const BitBtnKindInfo& info = KindInfo(kind);
  if (!info.glyph) return nullptr;
  HBITMAP& cached = g_kind_glyphs.bitmaps[kind];
  if (!cached) cached = FindBitmapInLoadedModules(info.glyph);
  if (!cached) Raise(toolkit::EResNotFound::Named(info.glyph));
  return cached;
}

void FreeKindGlyphs() { g_kind_glyphs.Free(); }

}  // namespace pp::controls
