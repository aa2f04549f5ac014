// Controls and fonts of the in-memory toolkit.
#include <algorithm>

#include "platform/headless/toolkit_core.h"

namespace platform {

using headless::FindControl;
using headless::TheToolkit;

void CreateControl(int window, int control, ControlKind kind, int x, int y,
                   int width, int height, const std::string& text,
                   bool sunkenBorder) {
  std::vector<headless::ControlState>& controls = TheToolkit().state.controls;
  // A control created under a number in use replaces the earlier one.
  std::erase_if(controls, [control](const headless::ControlState& existing) {
    return existing.id == control;
  });
  headless::ControlState& created = controls.emplace_back();
  created.id = control;
  created.window = window;
  created.kind = kind;
  created.x = x;
  created.y = y;
  created.width = width;
  created.height = height;
  created.text = text;
  created.border = sunkenBorder && kind == ControlKind::kLabel;
}

void SetControlText(int control, const std::string& text) {
  headless::ChangeControl(
      control, [&](headless::ControlState& state) { state.text = text; });
}

std::string ControlText(int control) {
  headless::ControlState* state = FindControl(control);
  return state != nullptr ? state->text : std::string();
}

Font* CreateFontObject(const FontRequest& request) {
  headless::Toolkit& toolkit = TheToolkit();
  ++toolkit.fontsCreated;
  if (toolkit.fontsCreated == toolkit.failingFont) return nullptr;
  return new Font{request.name};
}

void ReleaseFont(Font* font) { delete font; }

void SetControlFont(int control, Font* font) {
  headless::ChangeControl(control, [&](headless::ControlState& state) {
    state.font = font != nullptr ? font->name : "default";
  });
}

void SetControlTextColour(int control, Rgb colour) {
  headless::ChangeControl(control, [&](headless::ControlState& state) {
    state.textColor = colour;
  });
}

void SetControlFillColour(int control, Rgb colour) {
  headless::ChangeControl(control, [&](headless::ControlState& state) {
    state.fillColor = colour;
  });
}

void EnableControl(int control, bool enabled) {
  headless::ChangeControl(
      control, [&](headless::ControlState& state) { state.enabled = enabled; });
}

void SetProgressValue(int control, int value) {
  headless::ChangeControl(
      control, [&](headless::ControlState& state) { state.value = value; });
}

void MoveControl(int control, int x, int y, int width, int height) {
  headless::ControlState* state = FindControl(control);
  if (state == nullptr) return;
  for (auto [field, value] : {std::pair{&state->x, x},
                              {&state->y, y},
                              {&state->width, width},
                              {&state->height, height}}) {
    if (value != kKeep) *field = value;
  }
}

void SetControlPicture(int control, const RgbaImage& image) {
  if (headless::ControlState* state = FindControl(control)) {
    state->pictureWidth = image.width;
    state->pictureHeight = image.height;
  }
}

}  // namespace platform
