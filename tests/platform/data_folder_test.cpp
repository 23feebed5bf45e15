// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/data_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

namespace fs = std::filesystem;

// A tree with a binary in usr/games and every place the data could be.
class DataFolderTest : public ::testing::Test {
 protected:
  fs::path Root() const { return scratch_.Path(); }

  // Puts the game's data (as far as the search can tell) in the folder.
  fs::path Data(const fs::path& folder) const {
    fs::create_directories(folder / "fonts");
    std::ofstream(folder / "fonts" / "LiberationSans-Regular.ttf") << "font";
    return folder;
  }

  DataSearch Search() const {
    DataSearch search;
    search.executable_folder = Root() / "usr" / "games";
    search.installed_path = "../share/games/zephyrant";
    search.xdg_data_dirs = (Root() / "xdg1").string() + ":" + (Root() / "xdg2").string();
    fs::create_directories(search.executable_folder);
    return search;
  }

  ScratchFolder scratch_;
};

TEST_F(DataFolderTest, EachPlaceWinsOverTheOnesAfterIt) {
  DataSearch search = Search();
  const fs::path build = Data(Root() / "usr" / "games" / "data");
  EXPECT_EQ(FindDataFolder(search).folder, build) << "data/ beside the binary";
  const fs::path xdg2 = Data(Root() / "xdg2" / "zephyrant");
  EXPECT_EQ(FindDataFolder(search).folder, xdg2);
  const fs::path xdg1 = Data(Root() / "xdg1" / "zephyrant");
  EXPECT_EQ(FindDataFolder(search).folder, xdg1) << "the first data folder listed";
  const fs::path installed = Data(Root() / "usr" / "share" / "games" / "zephyrant");
  EXPECT_EQ(FindDataFolder(search).folder, installed);
  EXPECT_EQ(FindDataFolder(search).tried.size(), 1u);
  search.environment = Data(Root() / "env").string();
  EXPECT_EQ(FindDataFolder(search).folder, Root() / "env");
  search.option = Data(Root() / "option").string();
  EXPECT_EQ(FindDataFolder(search).folder, Root() / "option");
}

TEST_F(DataFolderTest, AFolderWithoutTheFontIsPassedOver) {
  DataSearch search = Search();
  fs::create_directories(Root() / "usr" / "share" / "games" / "zephyrant" / "fonts");
  const fs::path build = Data(Root() / "usr" / "games" / "data");
  EXPECT_EQ(FindDataFolder(search).folder, build);
}

TEST_F(DataFolderTest, AFolderGivenByNameIsTheOnlyOneTried) {
  DataSearch search = Search();
  Data(Root() / "usr" / "games" / "data");
  search.environment = (Root() / "mistyped").string();
  DataFolder found = FindDataFolder(search);
  EXPECT_TRUE(found.folder.empty());
  EXPECT_EQ(found.tried, std::vector<fs::path>{Root() / "mistyped"});

  search.option = (Root() / "also mistyped").string();
  found = FindDataFolder(search);
  EXPECT_EQ(found.tried, std::vector<fs::path>{Root() / "also mistyped"}) << "--data first";
}

TEST_F(DataFolderTest, NothingFoundListsEveryPlaceInOrder) {
  const DataFolder found = FindDataFolder(Search());
  EXPECT_TRUE(found.folder.empty());
  const std::vector<fs::path> places = {
      Root() / "usr" / "share" / "games" / "zephyrant",
      Root() / "xdg1" / "zephyrant",
      Root() / "xdg2" / "zephyrant",
      Root() / "usr" / "games" / "data",
  };
  EXPECT_EQ(found.tried, places);
  const std::string message = NoDataMessage(found);
  size_t at = 0;
  for (const fs::path& place : places) {
    const size_t next = message.find("\n  " + place.string() + "\n", at);
    ASSERT_NE(next, std::string::npos) << place << " in order in:\n" << message;
    at = next + 1;
  }
  EXPECT_NE(message.find("--data"), std::string::npos) << "says how to name the folder";
}

TEST_F(DataFolderTest, XdgDataDirsSkipsEmptyAndRelativeEntries) {
  DataSearch search = Search();
  search.executable_folder.clear();
  search.xdg_data_dirs =
      "::relative:" + (Root() / "a").string() + "::" + (Root() / "b").string() + ":";
  EXPECT_EQ(FindDataFolder(search).tried,
            (std::vector<fs::path>{Root() / "a" / "zephyrant", Root() / "b" / "zephyrant"}));
  search.xdg_data_dirs.clear();
  EXPECT_EQ(FindDataFolder(search).tried,
            (std::vector<fs::path>{"/usr/local/share/zephyrant", "/usr/share/zephyrant"}))
      << "the default when unset or empty";
}

TEST(DataFolderBuild, TheInstalledPathIsCompiledInRelative) {
  const DataSearch search = DataSearchFor("", "/somewhere/bin");
  EXPECT_FALSE(search.installed_path.empty());
  EXPECT_TRUE(fs::path(search.installed_path).is_relative()) << search.installed_path;
}

}  // namespace
}  // namespace zephyrant
