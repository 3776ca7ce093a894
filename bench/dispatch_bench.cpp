// Events fired and forwarded per second through the dispatcher.
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/component.h"
#include "core/event.h"

namespace {

class TSink : public TVMComponent {
 public:
  int64_t Sum = 0;
  void Take(TData& data, uint16_t) { Sum += data.IntValue; }
};

class TRelay : public TVMComponent {
 public:
  TVM_Event OnNext;
  void Pass(TData& data, uint16_t) { ForwardData(data, OnNext); }
};

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main() {
  StartDispatch();
  TSink sink;
  TVM_Event toSink = MakeEvent<&TSink::Take>(&sink);

  const int fires = 20000000;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < fires; ++i) FireInt(toSink, i);
  double fireSeconds = Seconds(std::chrono::steady_clock::now() - start);

  const int relays = 1000, rounds = 20000;
  std::vector<TRelay> chain(relays);
  for (int i = 0; i + 1 < relays; ++i) chain[i].OnNext = MakeEvent<&TRelay::Pass>(&chain[i + 1]);
  chain[relays - 1].OnNext = toSink;
  TVM_Event head = MakeEvent<&TRelay::Pass>(&chain[0]);
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) FireInt(head, 1);
  double forwardSeconds = Seconds(std::chrono::steady_clock::now() - start);

  TData text;
  SetStrValue(text, "0001,0.5,12.25,comment");
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < fires / 4; ++i) FireValue(toSink, text);
  double stringSeconds = Seconds(std::chrono::steady_clock::now() - start);

  std::printf("integer fires:        %6.1f million/s\n", fires / fireSeconds / 1e6);
  std::printf("forwards (1000-chain): %6.1f million/s\n", double(relays) * rounds / forwardSeconds / 1e6);
  std::printf("string value fires:   %6.1f million/s\n", fires / 4 / stringSeconds / 1e6);
  std::printf("(checksum %lld)\n", static_cast<long long>(sink.Sum));
  return 0;
}
