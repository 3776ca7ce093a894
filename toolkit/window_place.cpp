#include "toolkit/window_place.h"

#include <windows.h>

#include "toolkit/control.h"
#include "toolkit/ini_file.h"
#include "toolkit/screen_fit.h"

namespace {

TScreenRect ScreenRectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The normal place of a maximized or minimized window is kept in workspace
// coordinates (screen ones less the bars at the work area's left and top)
// unless it is a tool window.
RECT NormalPlace(HWND window, const WINDOWPLACEMENT& placement) {
  RECT place = placement.rcNormalPosition;
  if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return place;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor))
    OffsetRect(&place, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
  return place;
}

TScreenRect OnNearestScreen(const TScreenRect& place) {
  const RECT r{place.Left, place.Top, place.Right, place.Bottom};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) return place;
  return FitOnScreen(place, ScreenRectOf(monitor.rcWork));
}

}  // namespace

void SaveWindowPlace(TControl* window, TIniFile* ini) {
  if (!window || !window->HasWindow()) return;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window->Handle, &placement)) return;
  const bool maximized = IsZoomed(window->Handle) ||
                         (IsIconic(window->Handle) && (placement.flags & WPF_RESTORETOMAXIMIZED));
  RECT place{};
  if (maximized || IsIconic(window->Handle)) place = NormalPlace(window->Handle, placement);
  else GetWindowRect(window->Handle, &place);
  ini->Mode = kIniWriting;
  ini->ValueInteger("Left", place.left);
  ini->ValueInteger("Top", place.top);
  ini->ValueInteger("Width", place.right - place.left);
  ini->ValueInteger("Height", place.bottom - place.top);
  ini->ValueInteger("Maximized", maximized ? 1 : 0);
}

bool LoadWindowPlace(TControl* window, TIniFile* ini) {
  if (!window) return false;
  ini->Mode = kIniReading;
  const RECT current = window->GetBoundsRect();
  const int32_t left = ini->ValueInteger("Left", current.left);
  const int32_t top = ini->ValueInteger("Top", current.top);
  const int32_t width = ini->ValueInteger("Width", current.right - current.left);
  const int32_t height = ini->ValueInteger("Height", current.bottom - current.top);
  const bool maximized = ini->ValueInteger("Maximized", 0) != 0;
  if (width <= 0 || height <= 0) return false;
  const TScreenRect place = OnNearestScreen({left, top, left + width, top + height});
  window->SetBoundsRect(RECT{place.Left, place.Top, place.Right, place.Bottom});
  return maximized;
}

void SaveWindowPlace(TControl* window, const std::string& store) {
  if (store.empty()) return;
  TIniFile* ini = OpenPositionIni(store);
  CreateIniFolder(ini->FileName);
  SaveWindowPlace(window, ini);
  ini->Free();
}

bool LoadWindowPlace(TControl* window, const std::string& store) {
  if (store.empty()) return false;
  TIniFile* ini = OpenPositionIni(store);
  const bool maximized = LoadWindowPlace(window, ini);
  ini->Free();
  return maximized;
}
