// Parsing scripted runs.
#include "gameplay/script_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "input/controllers.h"
#include "platform/virtual_pad.h"

namespace {
constexpr size_t kMaxEvents = 100000;
constexpr unsigned long kMaxTime = 24UL * 3600 * 1000;
constexpr uint32_t kTapMs = 40;  // how long "tap" holds a key

struct KeyName {
  const char* name;
  int code;
};
constexpr KeyName kKeyNames[] = {
    {"enter", 13},    {"return", 13}, {"esc", 27},      {"escape", 27},  {"space", 32},
    {"left", 37},     {"up", 38},     {"right", 39},    {"down", 40},    {"backspace", 8},
    {"tab", 9},       {"shift", 16},  {"ctrl", 17},     {"pageup", 33},  {"pagedown", 34},
    {"end", 35},      {"home", 36},   {"delete", 46},  {"alt", 18},    {"f11", 122},
    {"f12", 123},
};

constexpr KeyName kPadButtonNames[] = {
    {"a", kPadSouth},          {"b", kPadEast},        {"x", kPadWest},        {"y", kPadNorth},
    {"back", kPadBack},        {"start", kPadStart},   {"leftshoulder", kPadLeftShoulder},
    {"rightshoulder", kPadRightShoulder},              {"dpup", kPadUp},       {"dpdown", kPadDown},
    {"dpleft", kPadLeft},      {"dpright", kPadRight},
};
constexpr KeyName kPadAxisNames[] = {
    {"leftx", kPadLeftX},        {"lefty", kPadLeftY},           {"rightx", kPadRightX},
    {"righty", kPadRightY},      {"lefttrigger", kPadLeftTrigger}, {"righttrigger", kPadRightTrigger},
};

bool SameWord(std::string_view a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  }
  return true;
}

// Splits off the next blank-separated word.
std::string_view NextWord(std::string_view& rest) {
  size_t start = 0;
  while (start < rest.size() && std::isspace(static_cast<unsigned char>(rest[start]))) ++start;
  size_t end = start;
  while (end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[end]))) ++end;
  std::string_view word = rest.substr(start, end - start);
  rest.remove_prefix(end);
  return word;
}

bool ReadTime(std::string_view word, uint32_t* time) {
  if (word.empty() || word.size() > 9) return false;
  unsigned long value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned long>(c - '0');
  }
  if (value > kMaxTime) return false;
  *time = static_cast<uint32_t>(value);
  return true;
}

bool ReadFraction(std::string_view word, float* value) {
  if (word.empty() || word.size() > 31) return false;
  std::string text(word);
  char* end = nullptr;
  const float v = std::strtof(text.c_str(), &end);
  if (*end != '\0' || !(v >= 0.0f && v <= 1.0f)) return false;
  *value = v;
  return true;
}

template <size_t N>
int CodeOfName(std::string_view name, const KeyName (&names)[N]) {
  for (const KeyName& k : names) {
    if (SameWord(name, k.name)) return k.code;
  }
  return -1;
}

bool ReadAxisValue(std::string_view word, float* value) {
  if (word.empty() || word.size() > 31) return false;
  std::string text(word);
  char* end = nullptr;
  const float v = std::strtof(text.c_str(), &end);
  if (*end != '\0' || !(v >= -1.0f && v <= 1.0f)) return false;
  *value = v;
  return true;
}

// "pad attach", "pad detach", "pad button NAME down|up", "pad axis NAME VALUE".
const char* ParsePad(std::string_view& rest, ScriptEvent& e) {
  const std::string_view what = NextWord(rest);
  if (SameWord(what, "attach")) {
    e.action = kScriptPadAttach;
  } else if (SameWord(what, "detach")) {
    e.action = kScriptPadDetach;
  } else if (SameWord(what, "button")) {
    e.code = CodeOfName(NextWord(rest), kPadButtonNames);
    if (e.code < 0) return "unknown pad button";
    const std::string_view state = NextWord(rest);
    if (SameWord(state, "down")) e.action = kScriptPadButtonDown;
    else if (SameWord(state, "up")) e.action = kScriptPadButtonUp;
    else return "pad button needs down or up";
  } else if (SameWord(what, "axis")) {
    e.code = CodeOfName(NextWord(rest), kPadAxisNames);
    if (e.code < 0) return "unknown pad axis";
    if (!ReadAxisValue(NextWord(rest), &e.x)) return "pad axis needs a value from -1 to 1";
    e.action = kScriptPadAxis;
  } else {
    return "pad needs attach, detach, button or axis";
  }
  return nullptr;
}

// One line into zero, one or two events; an error text when it is bad.
const char* ParseLine(std::string_view line, std::vector<ScriptEvent>& out) {
  if (const size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
  std::string_view rest = line;
  const std::string_view timeWord = NextWord(rest);
  if (timeWord.empty()) return nullptr;  // blank or comment
  ScriptEvent e;
  if (!ReadTime(timeWord, &e.time)) return "the time is not a number of milliseconds";
  const std::string_view action = NextWord(rest);
  if (SameWord(action, "down") || SameWord(action, "up") || SameWord(action, "tap")) {
    e.code = VirtualKeyFromName(NextWord(rest));
    if (e.code == 0) return "unknown key name";
    e.action = SameWord(action, "up") ? kScriptKeyUp : kScriptKeyDown;
    out.push_back(e);
    if (SameWord(action, "tap")) {
      e.action = kScriptKeyUp;
      e.time += kTapMs;
      out.push_back(e);
    }
  } else if (SameWord(action, "type")) {
    // The rest of the line after one blank, as typed.
    if (!rest.empty()) rest.remove_prefix(1);
    if (rest.empty() || rest.size() > 31) return "type needs 1 to 31 characters";
    e.action = kScriptText;
    e.text = std::string(rest);
    out.push_back(e);
  } else if (SameWord(action, "mouse")) {
    if (!ReadFraction(NextWord(rest), &e.x) || !ReadFraction(NextWord(rest), &e.y)) {
      return "mouse needs two fractions 0..1";
    }
    e.action = kScriptMouseMove;
    out.push_back(e);
  } else if (SameWord(action, "button")) {
    const std::string_view button = NextWord(rest), state = NextWord(rest);
    if (button.size() != 1 || button[0] < '0' || button[0] > '7') return "button needs 0..7";
    e.code = button[0] - '0';
    if (SameWord(state, "down")) e.action = kScriptButtonDown;
    else if (SameWord(state, "up")) e.action = kScriptButtonUp;
    else return "button needs down or up";
    out.push_back(e);
  } else if (SameWord(action, "shot")) {
    const std::string_view file = NextWord(rest);
    if (file.empty()) return "shot needs a file name";
    e.action = kScriptShot;
    e.text = std::string(file);
    out.push_back(e);
  } else if (SameWord(action, "mark")) {
    if (!rest.empty()) rest.remove_prefix(1);
    if (rest.empty() || rest.size() > 100) return "mark needs 1 to 100 characters";
    e.action = kScriptMark;
    e.text = std::string(rest);
    out.push_back(e);
  } else if (SameWord(action, "pad")) {
    if (const char* why = ParsePad(rest, e)) return why;
    out.push_back(e);
  } else if (SameWord(action, "quit")) {
    e.action = kScriptQuit;
    out.push_back(e);
  } else {
    return "unknown action";
  }
  if (!NextWord(rest).empty() && out.back().action != kScriptText && out.back().action != kScriptMark) return "unexpected words at the end";
  return nullptr;
}
}  // namespace

int VirtualKeyFromName(std::string_view name) {
  if (name.size() == 1) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  }
  for (const KeyName& k : kKeyNames) {
    if (SameWord(name, k.name)) return k.code;
  }
  return 0;
}

const char* TypedTextOfKey(int virtualKey) {
  // Each character followed by its terminator, so one entry is one string.
  static const char kTyped[] =
      " \0" "0\0" "1\0" "2\0" "3\0" "4\0" "5\0" "6\0" "7\0" "8\0" "9\0"
      "a\0" "b\0" "c\0" "d\0" "e\0" "f\0" "g\0" "h\0" "i\0" "j\0" "k\0" "l\0" "m\0"
      "n\0" "o\0" "p\0" "q\0" "r\0" "s\0" "t\0" "u\0" "v\0" "w\0" "x\0" "y\0" "z\0";
  int index = -1;
  if (virtualKey == ' ') index = 0;
  else if (virtualKey >= '0' && virtualKey <= '9') index = 1 + (virtualKey - '0');
  else if (virtualKey >= 'A' && virtualKey <= 'Z') index = 11 + (virtualKey - 'A');
  return index < 0 ? nullptr : &kTyped[2 * index];
}

bool ParseScript(std::string_view text, std::vector<ScriptEvent>* events, std::string* error) {
  events->clear();
  int lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (const char* why = ParseLine(line, *events)) {
      *error = "line " + std::to_string(lineNumber) + ": " + why;
      events->clear();
      return false;
    }
    if (events->size() > kMaxEvents) {
      *error = "more than 100000 events";
      events->clear();
      return false;
    }
  }
  std::stable_sort(events->begin(), events->end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.time < b.time; });
  return true;
}

const ScriptEvent* TakeDueEvent(ScriptCursor& cursor, uint32_t gameTime) {
  if (cursor.events == nullptr || cursor.next >= cursor.events->size()) return nullptr;
  const ScriptEvent& e = (*cursor.events)[cursor.next];
  if (e.time > gameTime) return nullptr;
  ++cursor.next;
  return &e;
}

namespace {
// Whether e takes back what p did earlier in the same frame (a release after
// its press, a second setting of one pad axis, pulling out a pad just used),
// so that the frame would never show p.
bool TakesBack(const ScriptEvent& e, const ScriptEvent& p) {
  switch (e.action) {
    case kScriptKeyUp: return p.action == kScriptKeyDown && p.code == e.code;
    case kScriptButtonUp: return p.action == kScriptButtonDown && p.code == e.code;
    case kScriptPadButtonUp: return p.action == kScriptPadButtonDown && p.code == e.code;
    case kScriptPadAxis: return p.action == kScriptPadAxis && p.code == e.code;
    case kScriptPadDetach:
      return p.action == kScriptPadAttach || p.action == kScriptPadButtonDown || p.action == kScriptPadAxis;
    default: return false;
  }
}
}  // namespace

std::vector<const ScriptEvent*> TakeFrameEvents(ScriptCursor& cursor, uint32_t gameTime) {
  std::vector<const ScriptEvent*> taken;
  for (;;) {
    const size_t next = cursor.next;
    const ScriptEvent* e = TakeDueEvent(cursor, gameTime);
    if (e == nullptr) break;
    if (std::any_of(taken.begin(), taken.end(), [&](const ScriptEvent* p) { return TakesBack(*e, *p); })) {
      cursor.next = next;
      break;
    }
    taken.push_back(e);
  }
  return taken;
}
