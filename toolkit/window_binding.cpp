// Which control a window belongs to. The binding is the window's "SELF_"
// property, and the same binding is kept in a table of this process: every
// message of every toolkit window needs its object, and reading a window
// property is a request to the window manager (under Wine a round trip to
// its server, tens of microseconds), where the table costs a hash lookup.
// The property is set and removed with the table entry, so both always agree.
#include <unordered_map>

#include "toolkit/control.h"

namespace {

constexpr char kSelfProperty[] = "SELF_";

// Never destroyed: windows may still be unbound while the process ends.
std::unordered_map<HWND, TControl*>& Bindings() {
  static auto* bindings = new std::unordered_map<HWND, TControl*>;
  return *bindings;
}

}  // namespace

void BindWindow(HWND window, TControl* control) {
  if (!window) return;
  Bindings()[window] = control;
  SetPropA(window, kSelfProperty, control);
}

void UnbindWindow(HWND window) {
  if (!window || !Bindings().erase(window)) return;
  RemovePropA(window, kSelfProperty);
}

TControl* ControlOfWindow(HWND window) {
  if (!window) return nullptr;
  auto& bindings = Bindings();
  const auto found = bindings.find(window);
  return found == bindings.end() ? nullptr : found->second;
}
