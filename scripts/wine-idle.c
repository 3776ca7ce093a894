/* Does nothing, for as long as the Wine session lasts. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE a, HINSTANCE b, LPSTR c, int d) {
  (void)a; (void)b; (void)c; (void)d;
  Sleep(INFINITE);
  return 0;
}
