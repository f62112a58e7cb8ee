#include "BackdropCases.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::filesystem::path CommittedPicture(const TBackdropCase& backdrop) {
  return std::filesystem::path(RIVURIDO_PICTURES_DIR) / backdrop.FileName;
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string BackdropCaseName(const testing::TestParamInfo<TBackdropCase>& info) {
  return info.param.Name;
}

void PrintTo(const TBackdropCase& backdrop, std::ostream* out) { *out << backdrop.FileName; }
