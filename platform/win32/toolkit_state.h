// What the Win32 toolkit keeps about the program's windows and controls, which
// the seam addresses by their fixed numbers.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

struct WindowRecord {
  HWND handle = nullptr;
  DWORD style = 0;
  DWORD extendedStyle = 0;
};

struct ControlRecord {
  HWND handle = nullptr;
  int window = 0;
  ControlKind kind = ControlKind::kLabel;
  std::string text;  // exactly as set: read back by ControlText
  std::optional<COLORREF> textColour;
  std::optional<COLORREF> fillColour;
  HBRUSH fillBrush = nullptr;  // owned; made for fillColour
  HBITMAP picture = nullptr;   // owned; the picture control's bitmap
  int creation = 0;            // creation order: the order of Tab
};

struct Toolkit {
  HINSTANCE instance = nullptr;
  HMODULE richEdit = nullptr;
  std::map<int, WindowRecord> windows;
  std::map<int, ControlRecord> controls;
  std::deque<Event> events;  // filled by the window procedure, in order
  int creations = 0;
};

Toolkit& TheToolkit();

// The window class of the program's windows and of the frame control.
inline constexpr char kWindowClass[] = "QuorvelWindow";
inline constexpr char kFrameClass[] = "QuorvelFrame";

WindowRecord* FindWindowRecord(int window);
ControlRecord* FindControlRecord(int control);
// The control whose child window is handle, with its number; nullptr if none.
ControlRecord* FindControlByHandle(HWND handle, int* number);
// The number of the window whose handle is handle, or -1.
int WindowNumberOf(HWND handle);

// Destroys a control's child window and what the record owns.
void DestroyControl(ControlRecord& control);

// Paints a control and what shows through it now, not at the next pass of
// the event loop: a check sets captions and the bar while no message is
// handled.
void PaintNow(const ControlRecord& control);

// The window procedure's share for the controls (colours, notifications);
// true when it handled the message and set *result.
bool HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* result);

// Makes a colour for Win32 from the seam's triple.
inline COLORREF ToColorref(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace platform::win32
