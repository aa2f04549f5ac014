#include "platform/headless/state_records.h"

#include <cstdio>
#include <fstream>

namespace headless {
namespace {

const char* KindName(platform::ControlKind kind) {
  switch (kind) {
    case platform::ControlKind::kPicture:
      return "picture";
    case platform::ControlKind::kLabel:
      return "label";
    case platform::ControlKind::kButton:
      return "button";
    case platform::ControlKind::kFrame:
      return "frame";
    case platform::ControlKind::kGroupBox:
      return "groupbox";
    case platform::ControlKind::kTextBox:
      return "textbox";
    case platform::ControlKind::kProgress:
      return "progress";
  }
  return "label";
}

bool HasText(platform::ControlKind kind) {
  return kind != platform::ControlKind::kPicture &&
         kind != platform::ControlKind::kFrame &&
         kind != platform::ControlKind::kProgress;
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Colour(const std::optional<platform::Rgb>& colour) {
  if (!colour) return "null";
  return "[" + std::to_string(colour->red) + ", " +
         std::to_string(colour->green) + ", " + std::to_string(colour->blue) +
         "]";
}

// Joins "key": value pairs into one object.
class JsonObject {
 public:
  JsonObject& Add(const char* key, const std::string& value) {
    json_ += (json_.empty() ? "{" : ", ") + JsonText(key) + ": " + value;
    return *this;
  }
  JsonObject& Add(const char* key, int value) {
    return Add(key, std::to_string(value));
  }
  std::string Close() const { return json_ + "}"; }

 private:
  std::string json_;
};

std::string WindowJson(const WindowState& window) {
  return JsonObject()
      .Add("number", window.number)
      .Add("title", JsonText(window.title))
      .Add("x", window.x)
      .Add("y", window.y)
      .Add("width", window.width)
      .Add("height", window.height)
      .Add("open", Bool(window.open))
      .Add("enabled", Bool(window.enabled))
      .Add("topmost", Bool(window.topmost))
      .Add("tool", Bool(window.tool))
      .Close();
}

std::string ControlJson(const ControlState& control) {
  bool isLabel = control.kind == platform::ControlKind::kLabel;
  bool isProgress = control.kind == platform::ControlKind::kProgress;
  return JsonObject()
      .Add("id", control.id)
      .Add("window", control.window)
      .Add("kind", JsonText(KindName(control.kind)))
      .Add("x", control.x)
      .Add("y", control.y)
      .Add("width", control.width)
      .Add("height", control.height)
      .Add("text", HasText(control.kind) ? JsonText(control.text) : "null")
      .Add("font", JsonText(control.font))
      .Add("textColor", Colour(control.textColor))
      .Add("fillColor", Colour(control.fillColor))
      .Add("border", Bool(isLabel && control.border))
      .Add("enabled", Bool(control.enabled))
      .Add("value", isProgress ? std::to_string(control.value) : "null")
      .Close();
}

std::string MessageJson(const MessageBoxRecord& message) {
  return JsonObject()
      .Add("title", message.title ? JsonText(*message.title) : "null")
      .Add("text", JsonText(message.text))
      .Close();
}

template <typename Item, typename ToJson>
std::string JsonArray(const std::vector<Item>& items, ToJson toJson) {
  std::string json = "[";
  for (const Item& item : items) {
    if (json.size() > 1) json += ", ";
    json += toJson(item);
  }
  return json + "]";
}

// Every record starts with its name (and event) and ends with the state.
std::string RecordJson(JsonObject record, const ToolkitState& state) {
  return record.Add("windows", JsonArray(state.windows, WindowJson))
      .Add("controls", JsonArray(state.controls, ControlJson))
      .Add("messages", JsonArray(state.messages, MessageJson))
      .Add("started", JsonArray(state.started, JsonText))
      .Close();
}

}  // namespace

std::string JsonText(const std::string& bytes) {
  std::string json = "\"";
  for (char c : bytes) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte == '"' || byte == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      // Control characters must be escaped; bytes from 0x7F up are escaped
      // too, which keeps every record plain ASCII.
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      json += escape;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

std::string WaitRecordJson(const std::optional<std::string>& event,
                           const ToolkitState& state) {
  return RecordJson(JsonObject()
                        .Add("record", JsonText("wait"))
                        .Add("event", event ? JsonText(*event) : "null"),
                    state);
}

std::string ExitRecordJson(const ToolkitState& state) {
  return RecordJson(JsonObject().Add("record", JsonText("exit")), state);
}

void AppendRecord(const std::string& path, const std::string& json) {
  std::ofstream file(path, std::ios::binary | std::ios::app);
  file << json << '\n';
}

}  // namespace headless
