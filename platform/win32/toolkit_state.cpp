// The records of the Win32 toolkit and the lookups over them.
#include "platform/win32/toolkit_state.h"

namespace platform::win32 {

Toolkit& TheToolkit() {
  static Toolkit toolkit;
  return toolkit;
}

WindowRecord* FindWindowRecord(int window) {
  auto found = TheToolkit().windows.find(window);
  return found == TheToolkit().windows.end() ? nullptr : &found->second;
}

ControlRecord* FindControlRecord(int control) {
  auto found = TheToolkit().controls.find(control);
  return found == TheToolkit().controls.end() ? nullptr : &found->second;
}

ControlRecord* FindControlByHandle(HWND handle, int* number) {
  for (auto& [control, record] : TheToolkit().controls) {
    if (record.handle == handle) {
      *number = control;
      return &record;
    }
  }
  return nullptr;
}

int WindowNumberOf(HWND handle) {
  for (const auto& [window, record] : TheToolkit().windows) {
    if (record.handle == handle) {
      return window;
    }
  }
  return -1;
}

void DestroyControl(ControlRecord& control) {
  if (control.handle != nullptr) {
    DestroyWindow(control.handle);
  }
  if (control.fillBrush != nullptr) {
    DeleteObject(control.fillBrush);
  }
  if (control.picture != nullptr) {
    DeleteObject(control.picture);
  }
  control = ControlRecord{};
}

void PaintNow(const ControlRecord& control) {
  const HWND parent = GetParent(control.handle);
  RECT area;
  GetWindowRect(control.handle, &area);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(
      parent, &area, nullptr,
      RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

}  // namespace platform::win32
