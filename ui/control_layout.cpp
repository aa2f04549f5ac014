#include "ui/control_layout.h"

void CreateLaidOutControl(int window, const ControlLayout& layout) {
  platform::CreateControl(window, layout.number, layout.kind, layout.x,
                          layout.y, layout.width, layout.height,
                          layout.text != nullptr ? layout.text() : "",
                          layout.sunkenBorder);
  if (layout.font != nullptr) {
    platform::SetControlFont(layout.number, *layout.font);
  }
  if (layout.textColour) {
    platform::SetControlTextColour(layout.number, *layout.textColour);
  }
  if (layout.fillColour) {
    platform::SetControlFillColour(layout.number, *layout.fillColour);
  }
  if (layout.picture != nullptr) {
    platform::SetControlPicture(layout.number, *layout.picture);
  }
  if (layout.kind == platform::ControlKind::kProgress) {
    platform::SetProgressValue(layout.number, 0);
  }
}
