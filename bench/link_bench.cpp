// Throughput of the scrambler and descrambler, and the cost of taking one
// 60-byte live reply off the line in 8 chunks (decoders excluded).
#include <benchmark/benchmark.h>

#include "core/link/link_engine.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace {

using namespace tavu;

void BM_Scramble(benchmark::State& state) {
  Bytes data(64 * 1024);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 31);
  for (auto _ : state) {
    for (auto& b : data) b = ScrambleByte(b);
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Scramble);

void BM_Descramble(benchmark::State& state) {
  Bytes data(64 * 1024);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 31);
  for (auto _ : state) {
    DescrambleInPlace(data);
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Descramble);

// One exchange: the tick sends the poll, eight chunks of the reply arrive, the
// reply is accepted.
void BM_ReceiveLiveReplyInEightChunks(benchmark::State& state) {
  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  window::WindowModel model;
  LanguageTable texts;
  LinkEngine link(vp.view, model, texts, {});
  link.setPortName("bench");
  link.polaczClick(true);
  port.receive(testing::ControllerWire(testing::SettingsReply(5, 9, 11)));
  link.Timer_CountTimer();  // completes the connect
  const Bytes wire = testing::ControllerWire(testing::Reply(0x55, 60));
  std::vector<Bytes> chunks;
  for (std::size_t at = 0; at < wire.size(); at += 8)
    chunks.emplace_back(wire.begin() + at, wire.begin() + std::min(wire.size(), at + 8));
  for (auto _ : state) {
    port.writes.clear();
    link.Timer_CountTimer();
    for (const auto& c : chunks) port.receive(c);
    if (link.LinkState() != "count") state.SkipWithError("reply not accepted");
  }
}
BENCHMARK(BM_ReceiveLiveReplyInEightChunks);

}  // namespace

BENCHMARK_MAIN();
