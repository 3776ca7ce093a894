// A method reference: a plain code pointer plus the object it is called with.
// Toolkit events, array/matrix accessors and start handlers all take this
// shape, so one template builds them from any member function, type-checked.
#pragma once

#include <utility>

template <class Signature>
struct TMethod;

template <class R, class... Args>
struct TMethod<R(Args...)> {
  R (*Code)(void* object, Args...) = nullptr;
  void* Object = nullptr;

  explicit operator bool() const { return Code != nullptr; }
  R operator()(Args... args) const { return Code(Object, std::forward<Args>(args)...); }
  bool operator==(const TMethod& other) const = default;
};

// Thunk that calls member function M on the object passed as void*.
template <auto M>
struct MethodThunk;

template <class C, class R, class... Args, R (C::*M)(Args...)>
struct MethodThunk<M> {
  using Signature = R(Args...);
  using Class = C;
  static R Call(void* object, Args... args) {
    return (static_cast<C*>(object)->*M)(std::forward<Args>(args)...);
  }
};

// MakeMethod<&TFoo::Bar>(foo) -> TMethod<signature of Bar>
template <auto M>
auto MakeMethod(typename MethodThunk<M>::Class* object) {
  TMethod<typename MethodThunk<M>::Signature> method;
  method.Code = &MethodThunk<M>::Call;
  method.Object = object;
  return method;
}
