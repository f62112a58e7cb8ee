// Page engine throughput: BuildDoorwayPage plus joining the page text, in
// bytes of page text per second, beside a memcpy of the same number of bytes.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "page/DoorwayPage.h"

namespace {

TDoorwayPageInputs InputsOf(std::size_t bytesPerField) {
  const std::string value(bytesPerField, 'v');
  return {value, value, value, value, "Rivurido"};
}

std::size_t PageTextSize(std::size_t bytesPerField) {
  return JoinPageText(BuildDoorwayPage(InputsOf(bytesPerField))).size();
}

void BM_BuildAndJoin(benchmark::State& state) {
  const TDoorwayPageInputs inputs = InputsOf(static_cast<std::size_t>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = JoinPageText(BuildDoorwayPage(inputs));
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// The floor: copying the same number of bytes as the page text holds.
void BM_Memcpy(benchmark::State& state) {
  const std::size_t bytes = PageTextSize(static_cast<std::size_t>(state.range(0)));
  const std::vector<char> from(bytes, 'v');
  std::vector<char> to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

}  // namespace

BENCHMARK(BM_BuildAndJoin)->Arg(0)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(BM_Memcpy)->Arg(0)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK_MAIN();
