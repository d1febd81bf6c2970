#include "hostenv/clip_region.h"

namespace pp::hostenv {

void SaveClipAndRestrict(HDC dc, const RECT& rect, HRGN& savedRegion, bool exclude) {
  savedRegion = CreateRectRgn(0, 0, 0, 0);
  if (savedRegion && GetClipRgn(dc, savedRegion) != 1) {
    // 0: the DC has no clip region (-1, an error, is treated the same: nothing to restore).
    DeleteObject(savedRegion);
    savedRegion = nullptr;
  }
  if (exclude)
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  else
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void RestoreClip(HDC dc, HRGN savedRegion) {
  SelectClipRgn(dc, savedRegion);
  if (savedRegion) DeleteObject(savedRegion);
}

}  // namespace pp::hostenv
