// Narrowing a device context's clip area for one piece of drawing and putting it back.
#pragma once

#include <windows.h>

namespace pp::hostenv {

// Saves the DC's clip region into savedRegion (none when the DC has no clip region), then
// excludes rect from the clip area (exclude) or intersects the clip area with it.
void SaveClipAndRestrict(HDC dc, const RECT& rect, HRGN& savedRegion, bool exclude);

// Selects savedRegion as the DC's clip region (none removes clipping) and deletes it.
void RestoreClip(HDC dc, HRGN savedRegion);

}  // namespace pp::hostenv
