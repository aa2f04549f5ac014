// The toolkit's start and end, and the program's top-level windows.
#include <algorithm>

#include "platform/win32/toolkit_state.h"
#include "resources/resource_ids.h"
// clang-format off
#include <commctrl.h>
#include <objbase.h>
// clang-format on

namespace platform {
namespace {

using win32::TheToolkit;
using win32::WindowRecord;

LRESULT CALLBACK WindowProcedure(HWND handle, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  LRESULT result = 0;
  if (win32::HandleControlMessage(message, wParam, lParam, &result)) {
    return result;
  }
  if (message == WM_CLOSE) {
    // A close request is the program's to decide: the window stays.
    const int window = win32::WindowNumberOf(handle);
    if (window >= 0) {
      TheToolkit().events.push_back({EventKind::kClose, window});
    }
    return 0;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

// The frame control: a sunken edge and nothing else, so that what lies
// inside it shows through, and clicks pass to what lies under it.
LRESULT CALLBACK FrameProcedure(HWND handle, UINT message, WPARAM wParam,
                                LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC context = BeginPaint(handle, &paint);
      RECT edge;
      GetClientRect(handle, &edge);
      DrawEdge(context, &edge, EDGE_SUNKEN, BF_RECT);
      EndPaint(handle, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    default:
      return DefWindowProcA(handle, message, wParam, lParam);
  }
}

void RegisterWindowClasses() {
  const HINSTANCE instance = TheToolkit().instance;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(QUORVEL_ICON), IMAGE_ICON,
                 GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(
      instance, MAKEINTRESOURCEA(QUORVEL_ICON), IMAGE_ICON,
      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = win32::kWindowClass;
  RegisterClassExA(&windowClass);

  WNDCLASSEXA frameClass{};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = FrameProcedure;
  frameClass.hInstance = instance;
  frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  frameClass.lpszClassName = win32::kFrameClass;
  RegisterClassExA(&frameClass);
}

// The whole window's size for a client size, as the system frames it.
SIZE OuterSize(const WindowRecord& record, int clientWidth, int clientHeight) {
  RECT area{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&area, record.style, FALSE, record.extendedStyle);
  return {area.right - area.left, area.bottom - area.top};
}

// Centred on the primary display: the whole window, limited to the
// display's size, at half the difference in each direction.
POINT CentredPosition(SIZE outer) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  return {(screenWidth - std::min<int>(outer.cx, screenWidth)) / 2,
          (screenHeight - std::min<int>(outer.cy, screenHeight)) / 2};
}

}  // namespace

void StartToolkit() {
  TheToolkit().instance = GetModuleHandleA(nullptr);
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  TheToolkit().richEdit = LoadLibraryA("riched20.dll");
  // ShellExecute may hand a web address to a COM handler.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  RegisterWindowClasses();
}

void EndToolkit() {
  while (!TheToolkit().windows.empty()) {
    CloseWindow(TheToolkit().windows.begin()->first);
  }
  UnregisterClassA(win32::kWindowClass, TheToolkit().instance);
  UnregisterClassA(win32::kFrameClass, TheToolkit().instance);
  if (TheToolkit().richEdit != nullptr) {
    FreeLibrary(TheToolkit().richEdit);
    TheToolkit().richEdit = nullptr;
  }
  CoUninitialize();
}

void OpenWindow(int window, const std::string& title, int clientWidth,
                int clientHeight, WindowStyle style) {
  CloseWindow(window);
  WindowRecord record;
  if (style == WindowStyle::kTool) {
    record.style = WS_POPUP | WS_CAPTION;
    record.extendedStyle = WS_EX_TOOLWINDOW;
  } else {
    record.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  }
  // Opened where centring puts it, so that it does not jump when centred.
  const SIZE outer = OuterSize(record, clientWidth, clientHeight);
  const POINT position = CentredPosition(outer);
  record.handle =
      CreateWindowExA(record.extendedStyle, win32::kWindowClass, title.c_str(),
                      record.style, position.x, position.y, outer.cx, outer.cy,
                      nullptr, nullptr, TheToolkit().instance, nullptr);
  if (record.handle == nullptr) {
    return;
  }
  TheToolkit().windows[window] = record;
  ShowWindow(record.handle, SW_SHOW);
  SetForegroundWindow(record.handle);
  UpdateWindow(record.handle);
}

void CentreWindow(int window) {
  const WindowRecord* record = win32::FindWindowRecord(window);
  if (record == nullptr) {
    return;
  }
  RECT client;
  GetClientRect(record->handle, &client);
  const POINT position =
      CentredPosition(OuterSize(*record, client.right, client.bottom));
  SetWindowPos(record->handle, nullptr, position.x, position.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetWindowTopmost(int window, bool topmost) {
  const WindowRecord* record = win32::FindWindowRecord(window);
  if (record != nullptr) {
    SetWindowPos(record->handle, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void EnableWindow(int window, bool enabled) {
  const WindowRecord* record = win32::FindWindowRecord(window);
  if (record != nullptr) {
    ::EnableWindow(record->handle, enabled ? TRUE : FALSE);
  }
}

void SetWindowHeightAndTop(int window, int clientHeight, int top) {
  const WindowRecord* record = win32::FindWindowRecord(window);
  if (record == nullptr) {
    return;
  }
  RECT client;
  GetClientRect(record->handle, &client);
  RECT whole;
  GetWindowRect(record->handle, &whole);
  const SIZE outer = OuterSize(*record, client.right, clientHeight);
  SetWindowPos(record->handle, nullptr, whole.left, top, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateWindow(record->handle);
}

void CloseWindow(int window) {
  auto& toolkit = TheToolkit();
  const auto found = toolkit.windows.find(window);
  if (found == toolkit.windows.end()) {
    return;
  }
  for (auto control = toolkit.controls.begin();
       control != toolkit.controls.end();) {
    if (control->second.window == window) {
      win32::DestroyControl(control->second);
      control = toolkit.controls.erase(control);
    } else {
      ++control;
    }
  }
  DestroyWindow(found->second.handle);
  toolkit.windows.erase(found);
}

}  // namespace platform
