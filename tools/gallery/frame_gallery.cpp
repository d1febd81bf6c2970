// Pictures of a server dialog in the look of the run: in the emulated XP look with the frame we
// draw (active, inactive, a hot close button, a pressed help button), in the others with the
// system's frame. Each picture is what the screen shows of the window.
#include <string>

#include "controls/xp_controls.h"
#include "forms/server_dialog.h"
#include "forms/theme_form.h"
#include "gallery.h"
#include "toolkit/application.h"
#include "toolkit/std_controls.h"

using namespace pp::toolkit;
using namespace pp::forms;

namespace {

class TGalleryDialog : public TServerDialog {
 public:
  using TServerDialog::TServerDialog;
  const char* ClassName() const override { return "TGalleryDialog"; }
};

}  // namespace

GALLERY_PAGE(frame) {
  pp::controls::UseLunaLook = gallery.Look() == "luna";
  Owned<TGalleryDialog> dialog(new TGalleryDialog(nullptr));
  dialog->BeginLoad();
  dialog->SetName("PortForm");
  dialog->SetCaption("Parallel Port Status");
  dialog->SetBorderStyle(bsDialog);
  dialog->SetBounds(0, 0, 320, 160);
  dialog->Font().SetName("Tahoma");
  dialog->Font().SetHeight(-11);
  auto* label = new TLabel(dialog.get());
  label->SetCaption("Port LPT1 at 0x378 is active.");
  label->SetBounds(16, 20, 250, 16);
  label->SetParent(dialog.get());
  auto* ok = new TButton(dialog.get());
  ok->SetCaption("OK");
  ok->SetBounds(120, 70, 75, 25);
  ok->SetParent(dialog.get());
  dialog->EndLoad();
  dialog->SetBounds(0, 0, dialog->Width(), dialog->Height());
  dialog->Show();
  SetWindowPos(dialog->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Application().ProcessMessages();
  const HWND w = dialog->Handle();
  RECT r{};
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  auto print = [&](const std::string& name, const std::function<void()>& before) {
    before();
    if (gallery.Look() != "luna") RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    UpdateWindow(w);
    Application().ProcessMessages();
    // As the screen shows it: the frame states are drawn at once, outside any paint cycle.
    gallery.Picture("frame_" + name, width, height, [&](HDC dc) {
      HDC screen = GetDC(nullptr);
      BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
      ReleaseDC(nullptr, screen);
    });
  };
  auto at = [&](int x, int y) { return MAKELPARAM(r.left + x, r.top + y); };
  print("active", [&] { SendMessageA(w, WM_NCACTIVATE, TRUE, 0); });
  print("inactive", [&] { SendMessageA(w, WM_NCACTIVATE, FALSE, 0); });
  print("hot_close", [&] {
    SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
    SendMessageA(w, WM_NCMOUSEMOVE, HTCLOSE, at(width - 12, 12));
  });
  if (gallery.Look() == "luna") {
    print("pressed_help", [&] {
      SendMessageA(w, WM_NCMOUSELEAVE, 0, 0);
      SendMessageA(w, WM_NCLBUTTONDOWN, HTHELP, at(width - 32, 12));
    });
    ReleaseCapture();
  }
}
