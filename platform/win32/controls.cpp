// The numbered controls: child windows whose id is the control's number.
#include "platform/win32/fonts.h"
#include "platform/win32/toolkit_state.h"
// clang-format off
#include <commctrl.h>
#include <richedit.h>
// clang-format on

namespace platform {
namespace {

using win32::ControlRecord;
using win32::TheToolkit;

struct NativeKind {
  const char* windowClass;
  DWORD style;
  DWORD extendedStyle;
};

NativeKind NativeKindOf(ControlKind kind, bool sunkenBorder) {
  switch (kind) {
    case ControlKind::kPicture:
      return {"STATIC", SS_BITMAP | SS_NOTIFY, 0};
    case ControlKind::kLabel:
      // WS_EX_CLIENTEDGE is the two-pixel sunken edge inside the rectangle.
      return {"STATIC", SS_CENTER | SS_NOPREFIX,
              sunkenBorder ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0};
    case ControlKind::kButton:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::kFrame:
      return {win32::kFrameClass, 0, 0};
    case ControlKind::kGroupBox:
      return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::kTextBox:
      // Scroll bars show only when the text needs them (no
      // ES_DISABLENOSCROLL); lines are not wrapped (EM_SETTARGETDEVICE).
      return {RICHEDIT_CLASSA,
              ES_MULTILINE | ES_READONLY | ES_CENTER | ES_AUTOVSCROLL |
                  ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::kProgress:
      return {PROGRESS_CLASSA, 0, 0};
  }
  return {"STATIC", 0, 0};
}

// The caption as the control shows it: button captions (group boxes are
// buttons too) take "&" as a mnemonic mark, so it is doubled to show as is.
std::string ShownText(ControlKind kind, const std::string& text) {
  if (kind != ControlKind::kButton && kind != ControlKind::kGroupBox) {
    return text;
  }
  std::string shown;
  for (char c : text) {
    shown += c;
    if (c == '&') {
      shown += '&';
    }
  }
  return shown;
}

// Every line of a text box centred; applied afresh after each new text.
void CentreTextBoxLines(HWND handle) {
  PARAFORMAT paragraph{};
  paragraph.cbSize = sizeof paragraph;
  paragraph.dwMask = PFM_ALIGNMENT;
  paragraph.wAlignment = PFA_CENTER;
  SendMessageA(handle, EM_SETSEL, 0, -1);
  SendMessageA(handle, EM_SETPARAFORMAT, 0,
               reinterpret_cast<LPARAM>(&paragraph));
  SendMessageA(handle, EM_SETSEL, 0, 0);
}

void SetTextBoxTextColour(HWND handle, COLORREF colour) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  SendMessageA(handle, EM_SETCHARFORMAT, SCF_ALL,
               reinterpret_cast<LPARAM>(&format));
}

void ShowText(ControlRecord& record) {
  SetWindowTextA(record.handle, ShownText(record.kind, record.text).c_str());
  if (record.kind == ControlKind::kTextBox) {
    CentreTextBoxLines(record.handle);
    if (record.textColour) {
      SetTextBoxTextColour(record.handle, *record.textColour);
    }
  }
}

// A picture reports right clicks too, which a static control keeps to
// itself. A double click reports nothing more: its first press already was
// a click, and one double click opens the About window once.
LRESULT CALLBACK PictureProcedure(HWND handle, UINT message, WPARAM wParam,
                                  LPARAM lParam, UINT_PTR, DWORD_PTR control) {
  if (message == WM_RBUTTONDOWN) {
    TheToolkit().events.push_back(
        {EventKind::kControl, static_cast<int>(control)});
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(handle, PictureProcedure, 0);
  }
  return DefSubclassProc(handle, message, wParam, lParam);
}

void PrepareKind(ControlRecord& record, int control) {
  switch (record.kind) {
    case ControlKind::kPicture:
      SetWindowSubclass(record.handle, PictureProcedure, 0,
                        static_cast<DWORD_PTR>(control));
      break;
    case ControlKind::kTextBox:
      SendMessageA(record.handle, EM_SETTARGETDEVICE, 0, 1);
      ShowText(record);
      break;
    case ControlKind::kProgress:
      SendMessageA(record.handle, PBM_SETRANGE32, 0, 100);
      break;
    default:
      break;
  }
}

}  // namespace

void CreateControl(int window, int control, ControlKind kind, int x, int y,
                   int width, int height, const std::string& text,
                   bool sunkenBorder) {
  const win32::WindowRecord* parent = win32::FindWindowRecord(window);
  if (parent == nullptr) {
    return;
  }
  if (ControlRecord* earlier = win32::FindControlRecord(control)) {
    win32::DestroyControl(*earlier);
    TheToolkit().controls.erase(control);
  }
  const NativeKind native = NativeKindOf(kind, sunkenBorder);
  ControlRecord record;
  record.window = window;
  record.kind = kind;
  record.text = text;
  record.creation = ++TheToolkit().creations;
  record.handle = CreateWindowExA(
      native.extendedStyle, native.windowClass, ShownText(kind, text).c_str(),
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | native.style, x, y, width,
      height, parent->handle,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)),
      TheToolkit().instance, nullptr);
  if (record.handle == nullptr) {
    return;
  }
  SendMessageA(record.handle, WM_SETFONT,
               reinterpret_cast<WPARAM>(win32::NativeFont(nullptr)), FALSE);
  // A control that lies on an earlier one shows on top of it.
  SetWindowPos(record.handle, HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PrepareKind(record, control);
  TheToolkit().controls[control] = record;
}

void SetControlText(int control, const std::string& text) {
  ControlRecord* record = win32::FindControlRecord(control);
  if (record == nullptr) {
    return;
  }
  record->text = text;
  ShowText(*record);
  win32::PaintNow(*record);
}

std::string ControlText(int control) {
  const ControlRecord* record = win32::FindControlRecord(control);
  return record == nullptr ? std::string() : record->text;
}

void SetControlFont(int control, Font* font) {
  ControlRecord* record = win32::FindControlRecord(control);
  if (record != nullptr) {
    SendMessageA(record->handle, WM_SETFONT,
                 reinterpret_cast<WPARAM>(win32::NativeFont(font)), TRUE);
  }
}

void SetControlTextColour(int control, Rgb colour) {
  ControlRecord* record = win32::FindControlRecord(control);
  if (record == nullptr) {
    return;
  }
  record->textColour = win32::ToColorref(colour);
  if (record->kind == ControlKind::kTextBox) {
    SetTextBoxTextColour(record->handle, *record->textColour);
  } else if (record->kind == ControlKind::kProgress) {
    SendMessageA(record->handle, PBM_SETBARCOLOR, 0, *record->textColour);
  }
  win32::PaintNow(*record);
}

void SetControlFillColour(int control, Rgb colour) {
  ControlRecord* record = win32::FindControlRecord(control);
  if (record == nullptr) {
    return;
  }
  record->fillColour = win32::ToColorref(colour);
  if (record->fillBrush != nullptr) {
    DeleteObject(record->fillBrush);
  }
  record->fillBrush = CreateSolidBrush(*record->fillColour);
  if (record->kind == ControlKind::kTextBox) {
    SendMessageA(record->handle, EM_SETBKGNDCOLOR, 0, *record->fillColour);
  } else if (record->kind == ControlKind::kProgress) {
    SendMessageA(record->handle, PBM_SETBKCOLOR, 0, *record->fillColour);
  }
  win32::PaintNow(*record);
}

void EnableControl(int control, bool enabled) {
  const ControlRecord* record = win32::FindControlRecord(control);
  if (record != nullptr) {
    ::EnableWindow(record->handle, enabled ? TRUE : FALSE);
    win32::PaintNow(*record);
  }
}

void SetProgressValue(int control, int value) {
  const ControlRecord* record = win32::FindControlRecord(control);
  if (record == nullptr) {
    return;
  }
  // With visual styles a rising bar glides to its value on a timer, which
  // does not run while a check holds the thread; a step back is drawn at
  // once, so the bar goes one past the value and back.
  if (value < 100) {
    SendMessageA(record->handle, PBM_SETPOS, value + 1, 0);
  } else {
    SendMessageA(record->handle, PBM_SETRANGE32, 0, 101);
    SendMessageA(record->handle, PBM_SETPOS, 101, 0);
  }
  SendMessageA(record->handle, PBM_SETPOS, value, 0);
  SendMessageA(record->handle, PBM_SETRANGE32, 0, 100);
  win32::PaintNow(*record);
}

void MoveControl(int control, int x, int y, int width, int height) {
  const ControlRecord* record = win32::FindControlRecord(control);
  if (record == nullptr) {
    return;
  }
  RECT area;
  GetWindowRect(record->handle, &area);
  MapWindowPoints(nullptr, GetParent(record->handle),
                  reinterpret_cast<POINT*>(&area), 2);
  const auto keptOr = [](int wanted, LONG current) {
    return wanted == kKeep ? static_cast<int>(current) : wanted;
  };
  MoveWindow(record->handle, keptOr(x, area.left), keptOr(y, area.top),
             keptOr(width, area.right - area.left),
             keptOr(height, area.bottom - area.top), TRUE);
  win32::PaintNow(*record);
}

namespace win32 {

bool HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* result) {
  if (message != WM_CTLCOLORSTATIC && message != WM_COMMAND) {
    return false;
  }
  int control = 0;
  ControlRecord* record =
      FindControlByHandle(reinterpret_cast<HWND>(lParam), &control);
  if (record == nullptr) {
    return false;
  }
  if (message == WM_CTLCOLORSTATIC) {
    const HDC context = reinterpret_cast<HDC>(wParam);
    if (record->textColour) {
      SetTextColor(context, *record->textColour);
    }
    if (record->fillBrush != nullptr) {
      SetBkColor(context, *record->fillColour);
      *result = reinterpret_cast<LRESULT>(record->fillBrush);
    } else {
      SetBkColor(context, GetSysColor(COLOR_BTNFACE));
      *result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return true;
  }
  // A disabled control, or one in a disabled window, reports nothing, also
  // when a click reaches it another way than by the mouse (BM_CLICK).
  const WORD notification = HIWORD(wParam);
  const bool enabled = IsWindowEnabled(record->handle) &&
                       IsWindowEnabled(GetParent(record->handle));
  if (enabled &&
      ((record->kind == ControlKind::kButton && notification == BN_CLICKED) ||
       (record->kind == ControlKind::kPicture &&
        notification == STN_CLICKED))) {
    TheToolkit().events.push_back({EventKind::kControl, control});
  }
  *result = 0;
  return true;
}

}  // namespace win32
}  // namespace platform
