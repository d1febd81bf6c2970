// An owner-drawn tab strip with a pane below (or above) it, in the three looks. Tabs are as wide
// as their captions; when they do not fit, a pair of scroll buttons at the strip's right end
// scrolls them one tab at a time. The owner is asked before every change (OnChanging) and told
// after it (OnChange). The page control (xp_page_control.h) builds its pages on it.
#pragma once

#include <functional>
#include <memory>

#include "controls/tabs/scroll_buttons.h"
#include "controls/tabs/tab_metrics.h"
#include "controls/theme_services.h"
#include "controls/xp_controls.h"
#include "toolkit/bitmap.h"
#include "toolkit/strings.h"

namespace pp::controls {

class TWinXPCustomTabControl;

// The captions of a tab control; every change re-lays out its tabs.
class TTabControlStrings : public toolkit::TStringList {
 public:
  explicit TTabControlStrings(TWinXPCustomTabControl& control) : control_(control) {}

 protected:
  void Changed() override;

 private:
  TWinXPCustomTabControl& control_;
};

using TTabChangingEvent = std::function<void(toolkit::TComponent* sender, bool& allow_change)>;

class TWinXPCustomTabControl : public TXPCustomControl {
 public:
  explicit TWinXPCustomTabControl(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TWinXPCustomTabControl"; }

  toolkit::TStrings& Tabs();

  // TabIndex as the property reads and writes it: the selected tab's position among the
  // visible tabs (-1 none).
  virtual int TabIndex();
  void SetVisibleTabIndex(int v);
  // The selected tab as an index into Tabs, -1 none.
  int SelectedTab() const { return strip_.Selected; }
  // Selects tab i (an index into Tabs), asking OnChanging first.
  void SetTabIndex(int i);

  int FirstVisibleTab() const { return strip_.FirstVisible; }
  int HotTab() const { return strip_.Hot; }
  RECT DisplayRect() const;
  RECT TabsRect() const;
  int CachedWidth() const { return strip_.CachedWidth; }
  int CachedHeight() const { return strip_.CachedHeight; }
  const TabStripMetrics& Strip() const { return strip_; }

  TWinXPTabPosition TabPosition() const { return strip_.Position; }
  void SetTabPosition(TWinXPTabPosition position);
  bool PassFocusOnChange() const { return pass_focus_on_change_; }
  void SetPassFocusOnChange(bool on) { pass_focus_on_change_ = on; }
  // The images of the tabs (not owned). The toolkit's image lists tell nobody of their changes:
  // whoever changes the list calls ImagesChanged, and clears Images before freeing it.
  toolkit::TImageList* Images() const { return images_; }
  void SetImages(toolkit::TImageList* images);
  void ImagesChanged();

  TXPScrollButtons& ScrollButtons() { return *scroll_buttons_; }

  RECT TabRect(int i) const;
  int TabAtPoint(int x, int y) const { return strip_.TabAtPoint(x, y); }
  int FindNextTab(int start, bool forward, bool visible_only);
  void SelectNextTab(bool forward);
  int TabDetail(int i) const { return strip_.TabDetail(i); }

  void LayoutTabs();
  void UpdateScrollButtons();
  void ScrollTo(int first);
  void EnsureSelectedVisible();
  void TabsChanged();

  // Nesting of changes to the tab list: TabsChanged runs when the outermost one ends.
  int UpdateCount() const { return update_count_; }
  void BeginTabUpdate() { ++update_count_; }
  void EndTabUpdate();

  toolkit::TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  void SetBounds(int left, int top, int width, int height) override;
  void Dispatch(toolkit::TMessage& m) override;

 protected:
  // What a page control changes.
  virtual bool CanShowTab(int i) { return true; }
  virtual std::unique_ptr<toolkit::TStrings> CreateTabs();
  virtual void DrawTab(int i, const RECT& r, bool selected);
  virtual bool IsTabVisible(int i);
  virtual bool HasNoImage(int i);
  virtual void TabChanged(int i) { SetTabIndex(i); }
  virtual void UpdateActive() { TabChanged(strip_.Selected); }
  virtual void FocusAfterChange();

  bool CanChange();
  void Change();
  void SmoothDrawChanged() override;
  void Loaded() override;
  void BeforeDestruction() override;
  void Notification(toolkit::TComponent* component, toolkit::TOperation operation) override;
  void AdjustClientRect(RECT& rect) override;
  void CreateHandle() override;
  void CreateParams(toolkit::TCreateParams& params) override;
  void Paint() override;
  virtual void Resize();
  virtual void KeyDown(WPARAM key, toolkit::TShiftState shift);
  // The strip is redrawn; the pane below it is not.
  void InvalidateStrip();
  toolkit::TCanvas& StripCanvas() { return strip_canvas_; }
  int LoadedTabIndex() const { return loaded_tab_index_; }
  // The selection follows its tab when tabs are inserted, moved or removed around it.
  void SetSelectedSilently(int i) { strip_.Selected = i; }

 private:
  void Measure();
  int StripEnd() const;
  void DrawPane(HDC dc, const RECT& d, const RECT& clip);
  void WMNCCalcSize(toolkit::TMessage& m);
  void WMEraseBkgnd(toolkit::TMessage& m);
  void CMDialogChar(toolkit::TMessage& m);
  void CMDialogKey(toolkit::TMessage& m);
  void CMControlListChange(toolkit::TMessage& m);
  void SetHotTab(int i);
  // The tab theme while the look is themed, opened on first use; null otherwise.
  HTHEME Theme(TXPLookMode look);

  std::unique_ptr<toolkit::TStrings> tabs_;
  TabStripMetrics strip_;
  TXPScrollButtons* scroll_buttons_ = nullptr;  // owned as a component
  toolkit::TImageList* images_ = nullptr;
  toolkit::TCanvas strip_canvas_;
  ThemeHandle theme_{L"TAB"};
  bool pass_focus_on_change_ = false;
  bool keep_selected_visible_ = false;
  bool changing_ = false;
  int update_count_ = 0;
  int loaded_tab_index_ = -2;
};

}  // namespace pp::controls
