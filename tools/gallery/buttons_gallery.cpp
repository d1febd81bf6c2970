// Pictures of the button family in the look of the run: push buttons (Windows and Office faces)
// in every state, each bit button kind, check boxes in every state and check state, and the
// panel's eight kinds. Each control is drawn through WM_PRINTCLIENT, as printing would.
#include <functional>
#include <string>
#include <vector>

#include "controls/winxp_buttons.h"
#include "controls/xp_check_box.h"
#include "controls/xp_panels.h"
#include "gallery.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

using namespace pp::controls;
using namespace pp::toolkit;

namespace {

// A shown form to hold the controls: focus and the parent's image need one.
struct Stage {
  Owned<TForm> form{new TForm(nullptr)};
  Stage(int w, int h) {
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, w, h);
    form->SetColor(XPColorFace);
    form->Font().SetName("Tahoma");
    form->Font().SetHeight(-11);
    form->Show();
    Application().ProcessMessages();
  }
};

void Print(HDC dc, TWinControl& c) {
  POINT old{};
  SetViewportOrgEx(dc, c.Left(), c.Top(), &old);
  SendMessageA(c.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

// The interaction states a control is shown in, each set through the messages that make it.
struct StateStep {
  const char* name;
  std::function<void(TWinXPCustomButtonControl&)> apply;
};
const std::vector<StateStep>& States() {
  static const std::vector<StateStep> states = {
      {"normal", [](TWinXPCustomButtonControl&) {}},
      {"hot", [](TWinXPCustomButtonControl& c) { c.Perform(CM_MOUSEENTER); }},
      {"pressed", [](TWinXPCustomButtonControl& c) { c.Perform(WM_KEYDOWN, VK_SPACE); }},
      {"focused", [](TWinXPCustomButtonControl& c) { c.SetFocus(); }},
      {"disabled", [](TWinXPCustomButtonControl& c) { c.SetEnabled(false); }},
  };
  return states;
}

// Undoes whatever a state step did, so the next cell starts from normal.
void Reset(TWinXPCustomButtonControl& c, TForm& form) {
  c.Perform(CM_MOUSELEAVE);
  c.Perform(WM_KILLFOCUS);
  c.SetEnabled(true);
  SetFocus(form.Handle());
  Application().ProcessMessages();
}

}  // namespace

GALLERY_PAGE(buttons_push) {
  const int cols = static_cast<int>(States().size()) + 1;
  const int w = 96 * cols + 8, h = 4 * 34 + 8;
  gallery.Picture("buttons_push", w, h, [&](HDC dc) {
    Stage stage(w, h);
    const RECT all{0, 0, w, h};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    struct Row {
      TXPButtonStyle style;
      bool is_default;
    };
    const Row rows[] = {{xpbsWindows, false}, {xpbsWindows, true}, {xpbsOffice, false}, {xpbsOffice, true}};
    int y = 4;
    for (const Row& row : rows) {
      int x = 4;
      for (const StateStep& s : States()) {
        auto* b = new TXPBitBtn(stage.form.get());
        b->SetBounds(x, y, 88, 26);
        b->SetCaption(std::string("&") + s.name);
        b->SetStyle(row.style);
        b->SetParent(stage.form.get());
        b->SetDefault(row.is_default);
        stage.form->Perform(CM_FOCUSCHANGED, 0, 0);
        s.apply(*b);
        Print(dc, *b);
        Reset(*b, *stage.form);
        x += 96;
      }
      y += 34;
    }
  });
}

GALLERY_PAGE(buttons_kinds) {
  const int w = 4 * 96 + 8, h = 3 * 34 + 8 + 34;
  gallery.Picture("buttons_kinds", w, h, [&](HDC dc) {
    Stage stage(w, h);
    const RECT all{0, 0, w, h};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    for (int k = bkOK; k <= bkAll; ++k) {
      auto* b = new TXPBitBtn(stage.form.get());
      b->SetBounds(4 + ((k - 1) % 4) * 96, 4 + ((k - 1) / 4) * 34, 88, 26);
      b->SetParent(stage.form.get());
      b->SetKind(static_cast<TBitBtnKind>(k));
      Print(dc, *b);
    }
    // The glyph layouts and a disabled glyph.
    const TButtonLayout layouts[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom};
    for (int i = 0; i < 4; ++i) {
      auto* b = new TXPBitBtn(stage.form.get());
      b->SetBounds(4 + i * 96, 4 + 3 * 34, 88, i >= 2 ? 40 : 26);
      b->SetParent(stage.form.get());
      b->SetKind(bkYes);
      b->SetLayout(layouts[i]);
      if (i == 3) b->SetEnabled(false);
      Print(dc, *b);
    }
  });
}

GALLERY_PAGE(buttons_checkbox) {
  const int cols = static_cast<int>(States().size());
  const int w = 104 * cols + 8, h = 5 * 24 + 8;
  gallery.Picture("buttons_checkbox", w, h, [&](HDC dc) {
    Stage stage(w, h);
    const RECT all{0, 0, w, h};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const TCheckBoxState states[] = {cbUnchecked, cbChecked, cbGrayed};
    const char* names[] = {"unchecked", "checked", "grayed"};
    int y = 4;
    for (int s = 0; s < 3; ++s) {
      int x = 4;
      for (const StateStep& step : States()) {
        auto* c = new TXPCheckBox(stage.form.get());
        c->SetBounds(x, y, 100, 17);
        c->SetCaption(std::string("&") + names[s] + " " + step.name);
        c->SetParent(stage.form.get());
        c->SetState(states[s]);
        step.apply(*c);
        Print(dc, *c);
        Reset(*c, *stage.form);
        x += 104;
      }
      y += 24;
    }
    // The box at the right edge, and a wrapped caption.
    auto* right = new TXPCheckBox(stage.form.get());
    right->SetBounds(4, y, 150, 17);
    right->SetAlignment(taLeftJustify);
    right->SetCaption("Box on the &right");
    right->SetParent(stage.form.get());
    right->SetChecked(true);
    Print(dc, *right);
    auto* wrap = new TXPCheckBox(stage.form.get());
    wrap->SetBounds(164, y, 120, 40);
    wrap->SetWordWrap(true);
    wrap->SetCaption("A caption long enough to wrap onto a second line");
    wrap->SetParent(stage.form.get());
    Print(dc, *wrap);
  });
}

GALLERY_PAGE(buttons_panels) {
  const int w = 4 * 210 + 8, h = 2 * 110 + 8;
  gallery.Picture("buttons_panels", w, h, [&](HDC dc) {
    Stage stage(w, h);
    const RECT all{0, 0, w, h};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    TBitmap picture;
    picture.SetSize(32, 32);
    picture.Canvas().Brush().SetColor(clWhite);
    picture.Canvas().FillRect(RECT{0, 0, 32, 32});
    picture.Canvas().Brush().SetColor(RGBColor(49, 106, 197));
    picture.Canvas().Ellipse(2, 2, 30, 30);
    for (int k = 0; k < 8; ++k) {
      auto* p = new TXPExtPanel(stage.form.get());
      p->SetBounds(4 + (k % 4) * 210, 4 + (k / 4) * 110, 200, 100);
      p->SetParent(stage.form.get());
      p->SetKind(static_cast<TXPExtPanelKind>(k));
      p->SetCaption("Panel title");
      p->SetTransparent(false);
      p->SetBitmap(picture);
      p->SetAlignment(taCenter);
      p->SetLayout(tlCenter);
      p->SetBitmapTransparent(true);
      p->SetShowBorder(true);
      if (k == epkGradientWithBitmap) p->SetGradientStyle(gsLeftToRight);
      Print(dc, *p);
    }
  });
}
