// A tab control whose tabs are pages: each TWinXPTabSheet placed on it adds a tab captioned
// with the sheet's Caption, and selecting a tab shows that sheet and hides the one before.
// Sheets belong to their component owner, not to the page control.
#pragma once

#include <vector>

#include "controls/tabs/xp_tab_control.h"

namespace pp::controls {

class TWinXPPageControl;

class TWinXPTabSheet : public TXPCustomControl {
 public:
  explicit TWinXPTabSheet(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TWinXPTabSheet"; }

  TWinXPPageControl* PageControl() const { return page_control_; }
  void SetPageControl(TWinXPPageControl* control);
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool on);
  bool TabShowing() const { return tab_showing_; }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  void* TabData() const { return tab_data_; }
  void SetTabData(void* data) { tab_data_ = data; }
  // The sheet's place among its control's pages, -1 without a control.
  int PageIndex() const;
  void SetPageIndex(int index);

  toolkit::TNotifyEvent OnShow;
  toolkit::TNotifyEvent OnHide;

  // A sheet goes only onto a page control (and joins its pages there).
  void SetParent(toolkit::TWinControl* parent) override;
  void Dispatch(toolkit::TMessage& m) override;

 protected:
  void BeforeDestruction() override;
  void CreateParams(toolkit::TCreateParams& params) override;

 private:
  friend class TWinXPPageControl;
  void UpdateTabShowing();
  void WMEraseBkgnd(toolkit::TMessage& m);

  TWinXPPageControl* page_control_ = nullptr;
  bool tab_visible_ = true;
  bool tab_showing_ = false;
  int image_index_ = -1;
  void* tab_data_ = nullptr;
};

class TWinXPPageControl : public TWinXPCustomTabControl {
 public:
  explicit TWinXPPageControl(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TWinXPPageControl"; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TWinXPTabSheet* Pages(int index) const;
  int IndexOfPage(const TWinXPTabSheet* page) const;
  TWinXPTabSheet* ActivePage() const { return active_page_; }
  void SetActivePage(TWinXPTabSheet* page);

 protected:
  bool CanShowTab(int i) override;
  std::unique_ptr<toolkit::TStrings> CreateTabs() override;
  bool IsTabVisible(int i) override;
  bool HasNoImage(int i) override;
  void TabChanged(int i) override;
  void FocusAfterChange() override;
  void BeforeDestruction() override;

 private:
  friend class TWinXPTabSheet;
  friend class TPageControlStrings;
  void InsertPage(TWinXPTabSheet* page, int index);
  void RemovePage(TWinXPTabSheet* page);
  void MovePage(int from, int to);
  void ChangeActivePage(TWinXPTabSheet* page);
  void TabShowingLost(TWinXPTabSheet* page, int index);
  void FollowActivePage();

  std::vector<TWinXPTabSheet*> pages_;
  TWinXPTabSheet* active_page_ = nullptr;
};

// The tabs of a page control: entry i is page i. Writing a caption renames the page, inserting
// makes a new sheet (owned by the page control's owner), deleting frees the page.
class TPageControlStrings : public toolkit::TStrings {
 public:
  explicit TPageControlStrings(TWinXPPageControl& control) : control_(control) {}

  int Count() const override { return control_.PageCount(); }
  std::string Get(int index) const override;
  void* GetObjectAt(int index) const override;
  void Put(int index, const std::string& s) override;
  void PutObject(int index, void* object) override;
  void Insert(int index, const std::string& s) override { InsertObject(index, s, nullptr); }
  void InsertObject(int index, const std::string& s, void* object) override;
  void Delete(int index) override;
  void Clear() override;
  // Reorder the pages themselves (the base would rename them, or free one and make another).
  void Exchange(int a, int b) override;
  void Move(int from, int to) override;

 private:
  // Every writer runs inside one tab-list change of the control.
  class Change;
  TWinXPPageControl& control_;
};

}  // namespace pp::controls
