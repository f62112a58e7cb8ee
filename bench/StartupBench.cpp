// Start-up of the whole process, from exec until the page details window has
// painted and the program has ended, beside a bare toolkit program that
// shows one empty window of the same size: wall time and peak memory.
//
// A second floor is the same bare program with one line of text: it pays
// for the toolkit's font database, which the empty window never loads and
// any window with text must.
//
// Usage: startup_bench PROBE BARE [RUNS]   (QT_QPA_PLATFORM=offscreen)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct TRun {
  double ms;
  long peakKb;
};

TRun RunOnce(const char* program, const char* argument = nullptr) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execl(program, program, argument, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s did not end normally\n", program);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <typename Field>
double Median(std::vector<TRun> runs, Field field) {
  std::sort(runs.begin(), runs.end(),
            [&](const TRun& a, const TRun& b) { return field(a) < field(b); });
  return static_cast<double>(field(runs[runs.size() / 2]));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROBE BARE [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
  std::vector<TRun> program, bare, bareWithText;
  RunOnce(argv[1]);  // warm the file cache for all
  RunOnce(argv[2], "text");
  for (int i = 0; i < runs; ++i) {  // interleaved, so drifting load hits all alike
    program.push_back(RunOnce(argv[1]));
    bare.push_back(RunOnce(argv[2]));
    bareWithText.push_back(RunOnce(argv[2], "text"));
  }
  const auto ms = [](const TRun& r) { return r.ms; };
  const auto kb = [](const TRun& r) { return r.peakKb; };
  const auto row = [&](const char* what, const std::vector<TRun>& runs) {
    std::printf("%-30s %10.1f %14.0f %10.2f %10.2f\n", what, Median(runs, ms), Median(runs, kb),
                Median(program, ms) / Median(runs, ms), Median(program, kb) / Median(runs, kb));
  };
  std::printf("%-30s %10s %14s %10s %10s\n", "", "wall ms", "peak mem KB", "time x", "memory x");
  row("Rivurido", program);
  row("bare program, empty window", bare);
  row("bare program, one line of text", bareWithText);
  return 0;
}
