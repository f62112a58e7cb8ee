// The backdrops are generated, not drawn: a fresh run of the generator must
// reproduce the committed files byte for byte, so they can always be rebuilt
// from source and any drift in the generator shows up here.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "BackdropCases.h"

namespace {

class BackdropRegeneration : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "backdrops-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    Folder = pattern;
  }

  void TearDown() override {
    if (!Folder.empty()) std::filesystem::remove_all(Folder);
  }

  std::filesystem::path Folder;
};

TEST_F(BackdropRegeneration, GeneratorReproducesTheCommittedPictures) {
  const std::string command =
      std::string("'") + RIVURIDO_BACKDROP_GENERATOR + "' '" + Folder.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  for (const TBackdropCase& backdrop : BackdropCases) {
    // Compared as whole vectors: a mismatch is reported, not the bytes.
    const bool same =
        ReadFileBytes(Folder / backdrop.FileName) == ReadFileBytes(CommittedPicture(backdrop));
    EXPECT_TRUE(same) << backdrop.FileName << " differs from a fresh run";
  }
}

}  // namespace
