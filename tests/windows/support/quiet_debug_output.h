// Forced into GoogleTest's own sources only (see tests/windows/CMakeLists.txt).
#pragma once
#include <windows.h>
inline void PpQuietDebugString(const char*) {}
#define OutputDebugStringA PpQuietDebugString
