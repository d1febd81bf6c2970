#include "controls/tabs/themed_base.h"

#include "toolkit/handles.h"

namespace pp::controls {

using namespace toolkit;

TTabThemedBase::TTabThemedBase(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle().Include(csDisplayDragImage));
}

void TTabThemedBase::SetSmoothDraw(bool on) {
  if (on == smooth_draw_) return;
  smooth_draw_ = on;
  SmoothDrawChanged();
}

void TTabThemedBase::Dispatch(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return;
  }
  TCustomControl::Dispatch(m);
}

void TTabThemedBase::PaintParentImage(HDC dc, const RECT* clip) {
  TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated()) return;
  SavedDCState saved(dc);
  const bool buffered = parent->DoubleBuffered();
  parent->SetDoubleBuffered(false);
  if (clip) IntersectClipRect(dc, clip->left, clip->top, clip->right, clip->bottom);
  POINT old;
  OffsetWindowOrgEx(dc, Left(), Top(), &old);
  SendMessageA(parent->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(parent->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SetWindowOrgEx(dc, old.x, old.y, nullptr);
  parent->SetDoubleBuffered(buffered);
}

}  // namespace pp::controls
