// TClassMainForm_C7FA30: the editor's component network. The constructor
// creates every instance in a fixed order, configures each at once (and
// initialises the window components, whose controls live in the main form),
// then joins the links, gives the window components their tooltips and turns
// on keyboard navigation in the main form. The destructor frees the
// instances newest first. Nothing reaches the network from outside except
// window messages.
#pragma once

#include <vector>

#include "core/component.h"

class TVMMainForm;
class TVMWin;

class TClassMainForm_C7FA30 : public TVMComponent {
 public:
  // Instances by role, in creation order.
  TVMMainForm* MainForm = nullptr;

  // The owner is unused: the schema is the root of the network.
  explicit TClassMainForm_C7FA30(TVMComponent* owner = nullptr);
  ~TClassMainForm_C7FA30() override;

 private:
  // Every instance in creation order; freed in reverse.
  std::vector<TVMComponent*> Instances;

  template <class T>
  T* Keep(T* instance) {
    Instances.push_back(instance);
    return instance;
  }

  void CreateMainForm();
  void JoinLinks();
  void AttachHints();
  // The main form's creation hook: nothing to do.
  void FormCreated(TVMMainForm* form) {}
};

// The one schema of the program; set by its constructor before any instance
// exists.
extern TClassMainForm_C7FA30* SchemaInstance;

// Switches the network on: the application window takes the main form's
// visibility, then the dispatch is installed and the start handlers run (the
// main form shows itself).
void SwitchOnNetwork(TVMMainForm* mainForm);
