#include "dialogs/stand_in_controls.h"

#include "layout/toolkit_classes.h"
#include "toolkit/text.h"

namespace pp::dialogs {

using namespace toolkit;

TStandInCheckBox::TStandInCheckBox(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TStandInCheckBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SubClassOf = "BUTTON";
  p.Style |= BS_CHECKBOX;  // not automatic: the state is ours, the window only shows it
  p.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TStandInCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TStandInCheckBox::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!Loading()) Click();
}

void TStandInCheckBox::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) SetChecked(!checked_);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<unsigned>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) SetChecked(!checked_);
        m.Result = 1;
        return;
      }
      break;
  }
  TWinControl::Dispatch(m);
}

TStandInTabSheet::TStandInTabSheet(TComponent* owner) : TWinControl(owner) {}

TStandInPageControl::TStandInPageControl(TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
}

void TStandInPageControl::SetActivePage(TWinControl* page) {
  active_page_ = page;
  if (!Loading()) PlacePage();
}

void TStandInPageControl::Loaded() {
  TCustomControl::Loaded();
  PlacePage();
}

void TStandInPageControl::WMWindowPosChanged(TMessage& m) {
  TCustomControl::WMWindowPosChanged(m);
  PlacePage();
}

// The sheet fills the pane below a strip one line of text high.
constexpr int kStripHeight = 20;

void TStandInPageControl::PlacePage() {
  if (!active_page_ || active_page_->Parent() != this) return;
  active_page_->SetBounds(4, kStripHeight + 4, Width() - 8, Height() - kStripHeight - 8);
}

void TStandInPageControl::Paint() {
  HDC dc = Canvas().Handle();
  RECT pane{0, kStripHeight, Width(), Height()};
  FillRect(dc, &pane, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &pane, EDGE_RAISED, BF_RECT);
  if (!active_page_) return;
  const std::string caption = active_page_->Caption();
  SIZE size{};
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  RECT tab{2, 2, 2 + size.cx + 12, kStripHeight + 1};
  FillRect(dc, &tab, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &tab, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
}

TStandInPanel::TStandInPanel(TComponent* owner) : TCustomControl(owner) {}

void TStandInPanel::Paint() {
  HDC dc = Canvas().Handle();
  RECT r{0, 0, Width(), Height()};
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &r, BDR_RAISEDINNER, BF_TOP);
}

}  // namespace pp::dialogs

namespace pp::layout {

using namespace dialogs;

template <>
struct EnumTraits<TStandInPanelKind> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TXPExtPanelKind", {"epkBackground", "epkBitmap", "epkGradient", "epkSimple",
                                                   "epkMSMoney", "epkFlat", "epkOffice", "epkNone"}};
    return info;
  }
};

template <>
const ClassInfo& ClassOf<TStandInCheckBox>() {
  static const ClassInfo info = ClassBuilder<TStandInCheckBox, toolkit::TWinControl>("TStandInCheckBox")
                                    .Property("Checked", &TStandInCheckBox::Checked, &TStandInCheckBox::SetChecked)
                                    .Default(false)
                                    .Creatable<toolkit::TComponent>()
                                    .Build();
  return info;
}
template <>
const ClassInfo& ClassOf<TStandInTabSheet>() {
  static const ClassInfo info = ClassBuilder<TStandInTabSheet, toolkit::TWinControl>("TStandInTabSheet")
                                    .Creatable<toolkit::TComponent>()
                                    .Build();
  return info;
}
template <>
const ClassInfo& ClassOf<TStandInPageControl>() {
  static const ClassInfo info =
      ClassBuilder<TStandInPageControl, toolkit::TWinControl>("TStandInPageControl")
          .Property("ActivePage", &TStandInPageControl::ActivePage, &TStandInPageControl::SetActivePage)
          .Creatable<toolkit::TComponent>()
          .Build();
  return info;
}
template <>
const ClassInfo& ClassOf<TStandInPanel>() {
  static const ClassInfo info =
      ClassBuilder<TStandInPanel, toolkit::TWinControl>("TStandInPanel")
          .Property("Kind", [](TStandInPanel& p) { return p.kind; }, [](TStandInPanel& p, TStandInPanelKind k) { p.kind = k; })
          .Property("Transparent", [](TStandInPanel& p) { return p.transparent; },
                    [](TStandInPanel& p, bool v) { p.transparent = v; })
          .Creatable<toolkit::TComponent>()
          .Build();
  return info;
}

}  // namespace pp::layout

namespace pp::dialogs {

void RegisterStandInControls(layout::ClassRegistry& registry) {
  auto fill = [&](const char* name, const layout::ClassInfo& cls) {
    if (!registry.Find(name)) registry.Register(name, cls);
  };
  fill("TXPBitBtn", layout::ClassOf<TButton>());
  fill("TXPCheckBox", layout::ClassOf<TStandInCheckBox>());
  fill("TWinXPPageControl", layout::ClassOf<TStandInPageControl>());
  fill("TWinXPTabSheet", layout::ClassOf<TStandInTabSheet>());
  fill("TXPExtPanel", layout::ClassOf<TStandInPanel>());
}

}  // namespace pp::dialogs
