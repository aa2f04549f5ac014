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
// Winsock 1.1's inet_addr and gethostbyname are the calls the design names;
// Visual Studio would flag them as old.
#ifndef _WINSOCK_DEPRECATED_NO_WARNINGS
#define _WINSOCK_DEPRECATED_NO_WARNINGS
#endif

// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on
