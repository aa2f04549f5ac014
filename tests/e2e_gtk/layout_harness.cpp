// Lays out the main window (and, on request, its result view or the About
// window) straight from the layout tables over the GTK toolkit, for looking at
// the toolkit before the whole program exists.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstring>
#include <string>

#include "platform/platform.h"

using namespace platform;

namespace {

RgbaImage LoadPicture(const char* path) {
  RgbaImage image;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(path, nullptr);
  if (pixbuf == nullptr) return image;
  image.width = gdk_pixbuf_get_width(pixbuf);
  image.height = gdk_pixbuf_get_height(pixbuf);
  for (int row = 0; row < image.height; ++row) {
    const guchar* line =
        gdk_pixbuf_get_pixels(pixbuf) + row * gdk_pixbuf_get_rowstride(pixbuf);
    image.pixels.insert(image.pixels.end(), line, line + image.width * 4);
  }
  g_object_unref(pixbuf);
  return image;
}

void Label(int window, int number, int x, int y, int w, int h,
           const std::string& text, bool border, Font* font,
           const Rgb* textColour, Rgb fill) {
  CreateControl(window, number, ControlKind::kLabel, x, y, w, h, text, border);
  if (font) SetControlFont(number, font);
  if (textColour) SetControlTextColour(number, *textColour);
  SetControlFillColour(number, fill);
}

}  // namespace

int main(int argc, char** argv) {
  std::string view = argc > 1 ? argv[1] : "main";
  bool german = argc > 3 && std::strcmp(argv[3], "German") == 0;
  StartToolkit();
  Font* title = CreateFontObject({"TitleFont", "Arial", 12, true, false});
  Font* version = CreateFontObject({"VersionFont", "Arial", 7, true, false});
  Font* about = CreateFontObject({"AboutTitleFont", "Arial", 15, true, true});
  const Rgb blue{100, 160, 255}, grey{200, 200, 200}, black{0, 0, 0};
  const Rgb white{255, 255, 255}, dark{51, 51, 51}, mid{153, 153, 153};

  OpenWindow(0, "Quorvel v.1.01", 300, 261, WindowStyle::kNormal);
  CentreWindow(0);
  SetWindowTopmost(0, true);
  CreateControl(0, 11, ControlKind::kPicture, 0, 0, 300, 50, "", false);
  SetControlPicture(11, LoadPicture(argc > 2 ? argv[2] : "banner.png"));
  Label(0, 5, 0, 51, 300, 25, "Quorvel Demo", true, title, &blue, black);
  Label(0, 10, 268, 53, 28, 18, "v.1.00", false, version, &grey, black);
  CreateControl(0, 6, ControlKind::kButton, 20, 231, 110, 25,
                german ? "Nach Updates suchen" : "Check for updates", false);
  CreateControl(0, 7, ControlKind::kButton, 170, 231, 110, 25,
                german ? "Schlie\xdf"
                         "en"
                       : "Close",
                false);
  CreateControl(0, 0, ControlKind::kFrame, 5, 81, 290, 145, "", false);
  CreateControl(0, 1, ControlKind::kGroupBox, 10, 91, 280, 40,
                german ? "Status: Versionsdatei wird heruntergeladen"
                       : "Status: downloading the version file",
                false);
  CreateControl(0, 2, ControlKind::kGroupBox, 10, 136, 280, 82,
                german ? "Information" : "Information", false);
  CreateControl(0, 3, ControlKind::kTextBox, 15, 151, 270, 60,
                german ? "Klicken Sie auf \x84Nach Updates suchen\x93,\num "
                         "die neueste Version zu finden."
                       : "Click \"Check for updates\" to find out\nwhether a "
                         "newer version is available.",
                false);
  CreateControl(0, 4, ControlKind::kProgress, 15, 106, 270, 15, "", false);
  SetProgressValue(4, view == "main" ? 40 : 100);
  CreateControl(0, 14, ControlKind::kButton, 285, 0, 15, 15, "?", false);

  if (view == "result") {
    MoveControl(2, kKeep, kKeep, kKeep, 102);
    CreateControl(0, 12, ControlKind::kLabel, 15, 213, 130, 19,
                  "Installed: 1.00", true);
    SetControlFillColour(12, {200, 150, 130});
    CreateControl(0, 13, ControlKind::kLabel, 155, 213, 130, 19, "Latest: 1.01",
                  true);
    SetControlFillColour(13, {150, 200, 130});
    SetControlText(6, "Download");
    SetWindowHeightAndTop(0, 486, (PrimaryDisplaySize().height - 486) / 2);
    MoveControl(0, kKeep, kKeep, kKeep, 371);
    MoveControl(6, kKeep, 456, kKeep, kKeep);
    MoveControl(7, kKeep, 456, kKeep, kKeep);
    CreateControl(0, 8, ControlKind::kGroupBox, 10, 243, 280, 202, "Change log",
                  false);
    CreateControl(0, 9, ControlKind::kTextBox, 15, 258, 270, 180,
                  "Version 1.01\n- Faster checks\n- A much longer line that "
                  "does not fit into the box at all\n- Fixes",
                  false);
    SetControlFillColour(9, {102, 102, 102});
  }
  if (view == "about") {
    OpenWindow(1, "INFORMATION", 280, 246, WindowStyle::kTool);
    CentreWindow(1);
    SetWindowTopmost(0, false);
    SetWindowTopmost(1, true);
    EnableWindow(0, false);
    Label(1, 20, 0, 5, 280, 30, "Quorvel:", true, about, &blue, black);
    CreateControl(1, 21, ControlKind::kFrame, 5, 35, 270, 176, "", false);
    Label(1, 22, 10, 45, 260, 18, "About:", false, title, &white, dark);
    Label(1, 24, 10, 136, 260, 18, "Developing, Programing:", false, title,
          &white, dark);
    Label(1, 23, 45, 67, 190, 54,
          "Quorvel is an easy solution to check for new versions of "
          "software. You can use it for your software for free to keep your "
          "users up to date.",
          false, nullptr, &black, mid);
    Label(1, 25, 45, 158, 190, 45,
          "The Quorvel developers\nEmail:team@quorvel.example\n"
          "Website:www.quorvel.example",
          false, nullptr, &black, mid);
    CreateControl(1, 26, ControlKind::kButton, 10, 218, 80, 24, "WEBSITE",
                  false);
    CreateControl(1, 27, ControlKind::kButton, 190, 218, 80, 24, "CLOSE",
                  false);
  }
  for (;;) {
    Event event = WaitForEvent();
    if (event.kind == EventKind::kClose && event.number == 0) break;
    if (event.kind == EventKind::kControl &&
        (event.number == 7 || event.number == 27)) {
      break;
    }
  }
  EndToolkit();
  ReleaseFont(title);
  ReleaseFont(version);
  ReleaseFont(about);
  return 0;
}
