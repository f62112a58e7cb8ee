#include "DescriptionFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "cli/CommandLine.h"

namespace {

[[noreturn]] void ThrowReadError(const std::string& path) {
  const std::string source = path == "-" ? "standard input" : "'" + path + "'";
  throw EUsageError("cannot read the description from " + source + ": " + std::strerror(errno));
}

class TInput {
 public:
  explicit TInput(const std::string& path)
      : fd_(path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC)),
        owned_(path != "-") {}
  ~TInput() {
    if (owned_ && fd_ >= 0) ::close(fd_);
  }
  TInput(const TInput&) = delete;
  TInput& operator=(const TInput&) = delete;

  int Descriptor() const { return fd_; }

 private:
  int fd_;
  bool owned_;
};

}  // namespace

std::string ReadDescriptionFile(const std::string& path) {
  const TInput input(path);
  if (input.Descriptor() < 0) ThrowReadError(path);
  std::string content;
  std::array<char, 64 * 1024> chunk;
  for (;;) {
    const ssize_t got = ::read(input.Descriptor(), chunk.data(), chunk.size());
    if (got == 0) return content;
    if (got < 0) {
      if (errno == EINTR) continue;
      ThrowReadError(path);
    }
    content.append(chunk.data(), std::size_t(got));
  }
}
