// Pictures of the page control: one tab as in the Status/Control dialog, many tabs with the
// scroll buttons, tabs below the pane, a hot and a focused tab.
#include <functional>
#include <string>
#include <vector>

#include "controls/tabs/xp_page_control.h"
#include "gallery.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

using namespace pp::controls;
using namespace pp::toolkit;

namespace {

// One visible form for every picture: hiding top-level windows is slow under Wine on Xvfb.
TForm* Host() {
  static TForm* form = [] {
    auto* f = new TForm(nullptr);
    f->SetBorderStyle(bsNone);
    f->SetBounds(40, 40, 460, 260);
    f->Font().SetName("Tahoma");
    f->Font().SetHeight(-11);
    f->Show();
    return f;
  }();
  return form;
}

void Settle() {
  for (int i = 0; i < 3; ++i) {
    Application().ProcessMessages();
    Sleep(1);
  }
}

// A page control of w x h with the given captions, set up by `prepare`, printed into `dc`.
void DrawPages(HDC dc, int w, int h, const std::vector<std::string>& captions,
               const std::function<void(TWinXPPageControl&)>& prepare) {
  TForm* form = Host();
  auto* pages = new TWinXPPageControl(form);
  pages->SetBounds(0, 0, w, h);
  pages->SetParent(form);
  for (const std::string& c : captions) {
    auto* sheet = new TWinXPTabSheet(form);
    sheet->SetCaption(c);
    sheet->SetPageControl(pages);
  }
  prepare(*pages);
  Settle();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // What the screen shows, child windows (sheets, scroll buttons) included.
  GdiFlush();
  HDC screen = GetDC(pages->Handle());
  BitBlt(dc, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  ReleaseDC(pages->Handle(), screen);
  while (form->ComponentCount() > 0) form->Components(form->ComponentCount() - 1)->Free();
  Settle();
}

const std::vector<std::string> kMany = {"First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh"};

void HotOver(TWinXPPageControl& p, int tab) {
  RECT r = p.TabRect(tab);
  SendMessageA(p.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, r.top + 4));
}

}  // namespace

GALLERY_PAGE(tabs) {
  gallery.Picture("tabs_one", 121, 209, [](HDC dc) { DrawPages(dc, 121, 209, {"Data Bit Outputs"}, [](auto&) {}); });
  gallery.Picture("tabs_many_top", 240, 100, [](HDC dc) {
    DrawPages(dc, 240, 100, kMany, [](TWinXPPageControl& p) {
      p.SetVisibleTabIndex(2);
      p.SetFocus();
      HotOver(p, 1);
    });
  });
  gallery.Picture("tabs_many_scrolled", 240, 100, [](HDC dc) {
    DrawPages(dc, 240, 100, kMany, [](TWinXPPageControl& p) {
      p.SetVisibleTabIndex(5);
      HotOver(p, 6);
    });
  });
  gallery.Picture("tabs_many_bottom", 240, 100, [](HDC dc) {
    DrawPages(dc, 240, 100, kMany, [](TWinXPPageControl& p) {
      p.SetTabPosition(tpBottom);
      p.SetVisibleTabIndex(2);
      p.SetFocus();
      HotOver(p, 3);
    });
  });
  gallery.Picture("tabs_three_bottom", 240, 100, [](HDC dc) {
    DrawPages(dc, 240, 100, {"Data", "Status", "Control"}, [](TWinXPPageControl& p) {
      p.SetTabPosition(tpBottom);
      p.SetVisibleTabIndex(1);
    });
  });
}

// The scroll buttons alone, large: normal, the back half hot, the forward half pressed.
GALLERY_PAGE(tabs_scroll_buttons) {
  gallery.Picture("tabs_scroll_buttons", 3 * 50, 24, [](HDC dc) {
    TForm* form = Host();
    auto* buttons = new TXPScrollButtons(form);
    buttons->SetBounds(0, 0, 44, 22);
    buttons->SetParent(form);
    for (int step = 0; step < 3; ++step) {
      HWND w = buttons->Handle();
      if (step == 1) SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      if (step == 2) {
        SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(35, 5));
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 5));
      }
      Settle();
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      GdiFlush();
      HDC screen = GetDC(w);
      BitBlt(dc, step * 50, 0, 44, 22, screen, 0, 0, SRCCOPY);
      ReleaseDC(w, screen);
    }
    SendMessageA(buttons->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(35, 5));
    buttons->Free();
    Settle();
  });
}
