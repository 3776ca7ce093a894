// The menu router's output that runs a given component, found by its link so
// that items added to the menu do not move it.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "components/processing/index_to_chanel.h"
#include "editor/schema.h"

inline TVM_Event& MenuOutputTo(TClassMainForm_C7FA30* s, const void* target) {
  for (TVM_Event& output : s->MenuRouter->OnOutput)
    if (output.Target == target) return output;
  std::fprintf(stderr, "no menu item runs that component\n");
  std::exit(1);
}
