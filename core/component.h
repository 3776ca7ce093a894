// Base of every component class: the schema frees its instances through this
// one virtual destructor, newest first, without knowing their classes.
#pragma once

class TVMComponent {
 public:
  TVMComponent() = default;
  TVMComponent(const TVMComponent&) = delete;
  TVMComponent& operator=(const TVMComponent&) = delete;
  virtual ~TVMComponent() = default;
};
