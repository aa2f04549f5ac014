// The Win32 toolkit in-process: window geometry and styles, controls as the
// seam sets and reads them, and the events the window procedure makes.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "platform/win32/toolkit_state.h"

namespace {

using platform::ControlKind;
using platform::EventKind;

class Win32Toolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::StartToolkit();
    platform::OpenWindow(0, "Quorvel v.1.01", 300, 261,
                         platform::WindowStyle::kNormal);
  }
  void TearDown() override { platform::EndToolkit(); }

  static HWND Window(int window) {
    return platform::win32::FindWindowRecord(window)->handle;
  }
  static HWND Control(int control) {
    return platform::win32::FindControlRecord(control)->handle;
  }
  static RECT ClientRect(HWND handle) {
    RECT area;
    GetClientRect(handle, &area);
    return area;
  }
  static RECT ScreenRect(HWND handle) {
    RECT area;
    GetWindowRect(handle, &area);
    return area;
  }
  // The main window's two buttons at the bottom, the CloseButton disabled.
  static void CreateButtonsWithCloseDisabled() {
    platform::CreateControl(0, 6, ControlKind::kButton, 20, 231, 110, 25, "a",
                            false);
    platform::CreateControl(0, 7, ControlKind::kButton, 170, 231, 110, 25, "b",
                            false);
    platform::EnableControl(7, false);
  }
  // Posts a close request behind whatever is queued, so that a wait that
  // finds nothing else ends with it.
  static void PostCloseRequest() { PostMessageA(Window(0), WM_CLOSE, 0, 0); }
};

TEST_F(Win32Toolkit, WindowsHaveTheirClientSizeStyleAndCentre) {
  const HWND main = Window(0);
  EXPECT_EQ(ClientRect(main).right, 300);
  EXPECT_EQ(ClientRect(main).bottom, 261);
  const LONG style = GetWindowLongA(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  const RECT whole = ScreenRect(main);
  EXPECT_EQ(whole.left,
            (GetSystemMetrics(SM_CXSCREEN) - (whole.right - whole.left)) / 2);
  EXPECT_EQ(whole.top,
            (GetSystemMetrics(SM_CYSCREEN) - (whole.bottom - whole.top)) / 2);

  platform::OpenWindow(1, "INFORMATION", 280, 246,
                       platform::WindowStyle::kTool);
  const HWND about = Window(1);
  EXPECT_EQ(ClientRect(about).right, 280);
  EXPECT_EQ(ClientRect(about).bottom, 246);
  EXPECT_FALSE(GetWindowLongA(about, GWL_STYLE) & WS_SYSMENU);
  EXPECT_TRUE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  platform::SetWindowTopmost(1, true);
  platform::SetWindowTopmost(0, false);
  platform::EnableWindow(0, false);
  EXPECT_TRUE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(IsWindowEnabled(main));

  platform::CloseWindow(1);
  EXPECT_FALSE(IsWindow(about));
}

TEST_F(Win32Toolkit, HeightAndTopChangeKeepingLeftAndWidth) {
  const HWND main = Window(0);
  const LONG left = ScreenRect(main).left;
  platform::SetWindowHeightAndTop(0, 486, 141);
  EXPECT_EQ(ClientRect(main).right, 300);
  EXPECT_EQ(ClientRect(main).bottom, 486);
  EXPECT_EQ(ScreenRect(main).top, 141);
  EXPECT_EQ(ScreenRect(main).left, left);
}

TEST_F(Win32Toolkit, TextsReadBackAsSetAndShowUnchanged) {
  const std::string text = "R&D\nline two \xE9";
  platform::CreateControl(0, 6, ControlKind::kButton, 20, 231, 110, 25, text,
                          false);
  platform::CreateControl(0, 5, ControlKind::kLabel, 0, 51, 300, 25, text,
                          true);
  platform::CreateControl(0, 3, ControlKind::kTextBox, 15, 151, 270, 60, "",
                          false);
  platform::SetControlText(3, text);
  for (int control : {6, 5, 3}) {
    EXPECT_EQ(platform::ControlText(control), text) << control;
  }
  // The button shows the "&" itself, not as a mnemonic mark.
  char shown[64];
  GetWindowTextA(Control(6), shown, sizeof shown);
  EXPECT_STREQ(shown, "R&&D\nline two \xE9");
  EXPECT_TRUE(GetWindowLongA(Control(5), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(platform::ControlText(99), "");
}

TEST_F(Win32Toolkit, ControlsMoveKeepReplaceAndCloseWithTheirWindow) {
  platform::CreateControl(0, 6, ControlKind::kButton, 20, 231, 110, 25, "a",
                          false);
  platform::MoveControl(6, platform::kKeep, 456, platform::kKeep,
                        platform::kKeep);
  RECT area = ScreenRect(Control(6));
  MapWindowPoints(nullptr, Window(0), reinterpret_cast<POINT*>(&area), 2);
  EXPECT_EQ(area.left, 20);
  EXPECT_EQ(area.top, 456);
  EXPECT_EQ(area.right - area.left, 110);
  EXPECT_EQ(area.bottom - area.top, 25);

  const HWND earlier = Control(6);
  platform::CreateControl(0, 6, ControlKind::kLabel, 0, 0, 10, 10, "b", false);
  EXPECT_FALSE(IsWindow(earlier));
  EXPECT_EQ(platform::ControlText(6), "b");

  const HWND label = Control(6);
  platform::CloseWindow(0);
  EXPECT_FALSE(IsWindow(label));
  EXPECT_EQ(platform::win32::FindControlRecord(6), nullptr);
}

TEST_F(Win32Toolkit, EventsComeInOrderAndDisabledControlsStayQuiet) {
  platform::CreateControl(0, 11, ControlKind::kPicture, 0, 0, 300, 50, "",
                          false);
  CreateButtonsWithCloseDisabled();
  SendMessageA(Control(7), BM_CLICK, 0, 0);  // disabled: nothing
  SendMessageA(Control(6), BM_CLICK, 0, 0);
  // Left and right clicks on the picture; the second press of a double
  // click adds nothing.
  SendMessageA(Control(11), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageA(Control(11), WM_LBUTTONUP, 0, 0);
  SendMessageA(Control(11), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  SendMessageA(Control(11), WM_LBUTTONUP, 0, 0);
  SendMessageA(Control(11), WM_RBUTTONDOWN, MK_RBUTTON, 0);
  PostCloseRequest();

  const struct {
    EventKind kind;
    int number;
  } expected[] = {{EventKind::kControl, 6},
                  {EventKind::kControl, 11},
                  {EventKind::kControl, 11},
                  {EventKind::kClose, 0}};
  for (const auto& want : expected) {
    const platform::Event got = platform::WaitForEvent();
    EXPECT_EQ(got.kind, want.kind);
    EXPECT_EQ(got.number, want.number);
  }
  EXPECT_TRUE(IsWindow(Window(0)));  // a close request closes nothing
}

TEST_F(Win32Toolkit, TabFollowsCreationOrderPastDisabledControls) {
  // The main window's controls that take the focus, in the layout's order;
  // the stacking order (later on top) runs the other way.
  CreateButtonsWithCloseDisabled();
  platform::CreateControl(0, 3, ControlKind::kTextBox, 15, 151, 270, 60, "t",
                          false);
  platform::CreateControl(0, 14, ControlKind::kButton, 285, 0, 15, 15, "?",
                          false);
  for (int expected : {6, 3, 14, 6}) {
    PostMessageA(GetFocus() != nullptr ? GetFocus() : Window(0), WM_KEYDOWN,
                 VK_TAB, 0);
    PostCloseRequest();
    EXPECT_EQ(platform::WaitForEvent().kind, EventKind::kClose);
    EXPECT_EQ(GetFocus(), Control(expected)) << expected;
  }
}

TEST_F(Win32Toolkit, FontsFollowPointsAndDisplayResolution) {
  platform::Font* font =
      platform::CreateFontObject({"AboutTitleFont", "Arial", 15, true, true});
  ASSERT_NE(font, nullptr);
  platform::CreateControl(0, 20, ControlKind::kLabel, 0, 5, 280, 30, "t", true);
  platform::SetControlFont(20, font);
  const auto handle =
      reinterpret_cast<HFONT>(SendMessageA(Control(20), WM_GETFONT, 0, 0));
  LOGFONTA description{};
  GetObjectA(handle, sizeof description, &description);
  const HDC screen = GetDC(nullptr);
  EXPECT_EQ(description.lfHeight,
            -MulDiv(15, GetDeviceCaps(screen, LOGPIXELSY), 72));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(description.lfWeight, FW_BOLD);
  EXPECT_TRUE(description.lfUnderline);
  platform::CloseWindow(0);
  platform::ReleaseFont(font);
}

TEST_F(Win32Toolkit, PictureBecomesABgraBitmap) {
  platform::CreateControl(0, 11, ControlKind::kPicture, 0, 0, 2, 1, "", false);
  platform::RgbaImage image{2, 1, {10, 20, 30, 255, 200, 100, 50, 255}};
  platform::SetControlPicture(11, image);
  const auto bitmap = reinterpret_cast<HBITMAP>(
      SendMessageA(Control(11), STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(bitmap, nullptr);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(bitmap, sizeof section, &section),
            static_cast<int>(sizeof section));
  const auto* bits = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
  const std::uint8_t bgra[] = {30, 20, 10, 255, 50, 100, 200, 255};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(bits[i], bgra[i]) << i;
  }
  // A picture that failed to decode shows nothing.
  platform::SetControlPicture(11, platform::RgbaImage{});
  EXPECT_EQ(SendMessageA(Control(11), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(Win32Toolkit, PrimaryDisplayHasASize) {
  const platform::DisplaySize size = platform::PrimaryDisplaySize();
  EXPECT_EQ(size.width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(size.height, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
