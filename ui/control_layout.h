// One row of a window's layout table, and how a row becomes a control.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

struct ControlLayout {
  int number;
  platform::ControlKind kind;
  int x, y, width, height;
  bool sunkenBorder;
  platform::Font* const* font;              // nullptr: the default control font
  std::optional<platform::Rgb> textColour;  // nullopt: the platform's
  std::optional<platform::Rgb> fillColour;
  std::string (*text)();  // the text or caption; nullptr: none
  const platform::RgbaImage* picture = nullptr;  // a picture's content
};

// Creates the control with its text, then gives it its font, text colour and
// fill colour, in that order; a picture gets its picture and a progress bar
// its position 0.
void CreateLaidOutControl(int window, const ControlLayout& layout);
