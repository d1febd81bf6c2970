#include "controls/tabs/xp_page_control.h"

#include <algorithm>

#include "controls/theme_services.h"
#include "toolkit/application.h"
#include "toolkit/errors.h"
#include "toolkit/form.h"

namespace pp::controls {

using namespace toolkit;

// ---- the sheet

TWinXPTabSheet::TWinXPTabSheet(TComponent* owner) : TXPCustomControl(owner) {
  SetAlign(alClient);
  SetControlStyle(ControlStyle().Include(csAcceptsControls).Include(csDoubleClicks).Include(csNoDesignVisible));
  SetVisible(false);
  SetTabStop(false);
  SetColor(clWindow);
  SetParentColor(true);
}

void TWinXPTabSheet::CreateParams(TCreateParams& params) {
  TXPCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TWinXPTabSheet::BeforeDestruction() {
  IncludeState(csDestroying);
  if (page_control_) page_control_->RemovePage(this);
  TXPCustomControl::BeforeDestruction();
}

void TWinXPTabSheet::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (!parent) {
    if (page_control_)
      SetPageControl(nullptr);
    else
      TXPCustomControl::SetParent(nullptr);
    return;
  }
  auto* control = dynamic_cast<TWinXPPageControl*>(parent);
  if (!control) {
    if (Owner()) Raise(EInvalidOperation(std::string(ClassName()) + " can be inserted only in TWinXPPageControl."));
    if (page_control_) SetPageControl(nullptr);
    TXPCustomControl::SetParent(parent);
    return;
  }
  SetPageControl(control);
}

void TWinXPTabSheet::SetPageControl(TWinXPPageControl* control) {
  if (control == page_control_) return;
  if (page_control_) page_control_->RemovePage(this);
  TXPCustomControl::SetParent(control);
  if (control) control->InsertPage(this, control->PageCount());
}

void TWinXPTabSheet::SetTabVisible(bool on) {
  if (on == tab_visible_) return;
  tab_visible_ = on;
  UpdateTabShowing();
}

void TWinXPTabSheet::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  if (tab_showing_) page_control_->ImagesChanged();
}

int TWinXPTabSheet::PageIndex() const { return page_control_ ? page_control_->IndexOfPage(this) : -1; }

void TWinXPTabSheet::SetPageIndex(int index) {
  if (!page_control_) return;
  if (index < 0) Raise(EListError::IndexOutOfBounds(index));
  const int to = std::min(index, page_control_->PageCount() - 1);
  page_control_->MovePage(PageIndex(), to);
  page_control_->SetTabIndex(to);
}

void TWinXPTabSheet::UpdateTabShowing() {
  const bool showing = page_control_ && tab_visible_;
  if (showing == tab_showing_) return;
  tab_showing_ = showing;
  if (!page_control_) return;
  if (showing)
    page_control_->TabsChanged();
  else
    page_control_->TabShowingLost(this, PageIndex());
}

void TWinXPTabSheet::WMEraseBkgnd(TMessage& m) {
  m.Result = 1;
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!page_control_ || !dc) return;
  if (GetXPLookMode() == xlmThemed) {
    RECT r = ClientRect();
    if (SUCCEEDED(UxDrawThemeParentBackground(Handle(), dc, &r))) return;
  }
  // The page control's pane, seen through the sheet.
  POINT old;
  OffsetWindowOrgEx(dc, Left(), Top(), &old);
  SendMessageA(page_control_->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetWindowOrgEx(dc, old.x, old.y, nullptr);
}

void TWinXPTabSheet::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case WM_PRINTCLIENT:
      // The pane behind the sheet comes from erasing, which the base's printing does not do.
      if (m.Result == 0 && (m.LParam & PRF_ERASEBKGND)) Perform(WM_ERASEBKGND, m.WParam, m.WParam);
      break;
    case CM_SHOWINGCHANGED: {
      TXPCustomControl::Dispatch(m);
      // A failing handler is reported, not passed on: the page change itself has happened.
      try {
        if (Showing()) {
          if (OnShow) OnShow(this);
        } else if (OnHide) {
          OnHide(this);
        }
      } catch (...) {
        Application().HandleException(this);
      }
      return;
    }
    case CM_ENABLEDCHANGED:
      TXPCustomControl::Dispatch(m);
      for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(CM_ENABLEDCHANGED);
      return;
    case CM_TEXTCHANGED:
      TXPCustomControl::Dispatch(m);
      if (tab_showing_) page_control_->TabsChanged();  // the tab shows the new caption
      return;
  }
  TXPCustomControl::Dispatch(m);
}

// ---- the page control

TWinXPPageControl::TWinXPPageControl(TComponent* owner) : TWinXPCustomTabControl(owner) {
  SetControlStyle(ControlStyle().Exclude(csAcceptsControls));
}

void TWinXPPageControl::BeforeDestruction() {
  // The pages go with their owner; they must not try to leave this control then.
  for (TWinXPTabSheet* page : pages_) {
    page->page_control_ = nullptr;
    page->tab_showing_ = false;
  }
  pages_.clear();
  active_page_ = nullptr;
  TWinXPCustomTabControl::BeforeDestruction();
}

TWinXPTabSheet* TWinXPPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) Raise(EListError::IndexOutOfBounds(index));
  return pages_[index];
}

int TWinXPPageControl::IndexOfPage(const TWinXPTabSheet* page) const {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

std::unique_ptr<TStrings> TWinXPPageControl::CreateTabs() { return std::make_unique<TPageControlStrings>(*this); }

bool TWinXPPageControl::CanShowTab(int i) { return i >= 0 && i < PageCount() && pages_[i]->Enabled(); }

bool TWinXPPageControl::IsTabVisible(int i) { return i >= 0 && i < PageCount() && pages_[i]->TabVisible(); }

bool TWinXPPageControl::HasNoImage(int i) {
  if (i < 0 || i >= PageCount()) return true;
  const int index = pages_[i]->ImageIndex();
  return index < 0 || !Images() || index >= Images()->Count();
}

void TWinXPPageControl::TabChanged(int i) { SetActivePage(i >= 0 && i < PageCount() ? pages_[i] : nullptr); }

void TWinXPPageControl::FocusAfterChange() {
  if (!PassFocusOnChange()) {
    TWinXPCustomTabControl::FocusAfterChange();
    return;
  }
  if (!active_page_) return;
  for (int i = 0; i < active_page_->ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(active_page_->Controls(i))) {
      if (child->CanFocus()) child->SetFocus();
      return;
    }
  }
  if (active_page_->CanFocus()) active_page_->SetFocus();
}

void TWinXPPageControl::InsertPage(TWinXPTabSheet* page, int index) {
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, page);
  FollowActivePage();
  page->page_control_ = this;
  page->SetAlign(alClient);
  page->SetVisible(false);
  page->UpdateTabShowing();
  if (Loading()) HandleNeeded();
}

void TWinXPPageControl::RemovePage(TWinXPTabSheet* page) {
  const int index = IndexOfPage(page);
  if (index < 0) return;
  const int next = FindNextTab(index, true, true);
  TWinXPTabSheet* successor = next >= 0 && next != index ? pages_[next] : nullptr;
  BeginTabUpdate();
  pages_.erase(pages_.begin() + index);
  FollowActivePage();
  page->page_control_ = nullptr;
  page->tab_showing_ = false;
  if (page == active_page_) {
    // Hidden and forgotten before anything else runs: the page may be on its way out.
    active_page_ = nullptr;
    if (!page->Destroying()) page->SetVisible(false);
  }
  SetActivePage(successor);
  EndTabUpdate();
}

void TWinXPPageControl::MovePage(int from, int to) {
  if (from == to || from < 0 || from >= PageCount()) return;
  TWinXPTabSheet* page = pages_[from];
  BeginTabUpdate();
  pages_.erase(pages_.begin() + from);
  pages_.insert(pages_.begin() + std::clamp(to, 0, PageCount()), page);
  FollowActivePage();
  EndTabUpdate();
}

void TWinXPPageControl::FollowActivePage() {
  if (active_page_) SetSelectedSilently(IndexOfPage(active_page_));
}

void TWinXPPageControl::TabShowingLost(TWinXPTabSheet* page, int index) {
  BeginTabUpdate();
  InvalidateStrip();
  if (page == active_page_) SetTabIndex(std::min(index, PageCount() - 1));
  UpdateActive();
  EndTabUpdate();
}

void TWinXPPageControl::SetActivePage(TWinXPTabSheet* page) {
  if (page && page->PageControl() != this) return;  // another control's page
  ChangeActivePage(page);
  if (page && page == active_page_)
    SetTabIndex(IndexOfPage(page));
  else if (!page && !Loading())
    SetTabIndex(-1);
}

void TWinXPPageControl::ChangeActivePage(TWinXPTabSheet* page) {
  if (page == active_page_) return;
  TCustomForm* form = GetParentForm(this);
  if (form && active_page_ && form->ActiveControl() && active_page_->ContainsControl(form->ActiveControl())) {
    form->FocusControl(active_page_);
    if (form->ActiveControl() != active_page_) {
      SetTabIndex(IndexOfPage(active_page_));
      return;
    }
  }
  TWinXPTabSheet* old = active_page_;
  if (page) {
    page->SetVisible(true);
    if (page->HandleAllocated())
      SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (form && old && form->ActiveControl() == old) form->FocusControl(page->CanFocus() ? static_cast<TWinControl*>(page) : this);
  }
  active_page_ = page;
  if (old && !old->Destroying()) old->SetVisible(false);
  if (form && page && form->ActiveControl() == page) page->SelectNext(nullptr, true, true);
}

// ---- the page list as strings

class TPageControlStrings::Change {
 public:
  explicit Change(TWinXPPageControl& c) : c_(c) { c_.BeginTabUpdate(); }
  ~Change() { c_.EndTabUpdate(); }

 private:
  TWinXPPageControl& c_;
};

std::string TPageControlStrings::Get(int index) const { return control_.Pages(index)->Caption(); }

void* TPageControlStrings::GetObjectAt(int index) const { return control_.Pages(index)->TabData(); }

void TPageControlStrings::Put(int index, const std::string& s) {
  Change change(control_);
  control_.Pages(index)->SetCaption(s);
}

void TPageControlStrings::PutObject(int index, void* object) {
  Change change(control_);
  control_.Pages(index)->SetTabData(object);
}

void TPageControlStrings::InsertObject(int index, const std::string& s, void* object) {
  Change change(control_);
  if (index < 0 || index > Count()) Raise(EStringListError::IndexOutOfBounds(index));
  auto* page = new TWinXPTabSheet(control_.Owner());
  page->SetCaption(s);
  page->SetTabData(object);
  // Made a child before it is placed, so that the page joins at `index`, not at the end.
  page->TXPCustomControl::SetParent(&control_);
  control_.InsertPage(page, index);
}

void TPageControlStrings::Delete(int index) {
  Change change(control_);
  control_.Pages(index)->Free();
}

void TPageControlStrings::Clear() {
  Change change(control_);
  for (int i = Count() - 1; i >= 0; --i) control_.Pages(i)->Free();
}

void TPageControlStrings::Exchange(int a, int b) {
  Change change(control_);
  control_.Pages(a);
  control_.Pages(b);
  if (a == b) return;
  std::swap(control_.pages_[a], control_.pages_[b]);
  control_.FollowActivePage();
}

void TPageControlStrings::Move(int from, int to) {
  Change change(control_);
  control_.Pages(from);
  control_.Pages(to);
  control_.MovePage(from, to);
}

}  // namespace pp::controls
