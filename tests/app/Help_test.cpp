// The help shipped beside the program: every page a menu item opens exists, and every link and
// picture of every page leads to a file of the help (the gallery's pictures included).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>

#include "view/window/MainMenus.h"

namespace {

const std::filesystem::path HelpFolder() {
  return std::filesystem::path(CORVALIN_SOURCE_DIR) / "help";
}

TEST(Help, MenuPagesExistAndEveryLinkLeadsToAFile) {
  std::function<void(const std::vector<MenuSpec>&)> walk = [&](const std::vector<MenuSpec>& items) {
    for (const MenuSpec& m : items) {
      if (!m.HelpPage.empty()) {
        EXPECT_TRUE(std::filesystem::exists(HelpFolder() / m.HelpPage)) << m.Name;
      }
      walk(m.Items);
    }
  };
  walk(MenuBarSpec());

  const std::regex reference(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re");
  int pages = 0, references = 0;
  for (const auto& entry : std::filesystem::directory_iterator(HelpFolder())) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string page = text.str();
    for (auto it = std::sregex_iterator(page.begin(), page.end(), reference);
         it != std::sregex_iterator(); ++it) {
      ++references;
      EXPECT_TRUE(std::filesystem::exists(HelpFolder() / (*it)[1].str()))
          << entry.path().filename() << " refers to " << (*it)[1];
    }
  }
  EXPECT_GE(pages, 6);
  EXPECT_GE(references, 70);
}

} // namespace
