// The Windows headers, included the one way the backend needs them: Winsock 2
// before windows.h, and without the min/max macros that break the standard
// library.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on
