// The help shipped beside the program: every page a menu item opens exists, and every link and
// picture of every page leads to a file of the help (the gallery's pictures included); the
// tutorials name only menu items there are, and take the analysis of 2D curves from Demo samples
// that carry it (no dialog has switches for it).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "model/AxesSettings.h"
#include "model/Graph.h"
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

std::string Page(const std::string& name) {
  std::ifstream in(HelpFolder() / name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The menu item a path of captions leads to ("File", "New", "2D Graph"), or null.
const MenuSpec* ItemOfPath(const std::vector<std::string>& captions) {
  const std::vector<MenuSpec>* items = &MenuBarSpec();
  const MenuSpec* found = nullptr;
  for (const std::string& caption : captions) {
    found = nullptr;
    for (const MenuSpec& m : *items)
      if (m.Caption == caption) found = &m;
    if (!found) return nullptr;
    items = &found->Items;
  }
  return found;
}

// Whether a graph shows any of the analyses of a 2D curve.
bool CarriesAnalysis(const Graph& g) {
  return g.ShowInverse || g.ShowDev || g.ShowInt || g.ShowMax || g.ShowMin || g.ShowGuai ||
         g.ShowJO || g.ShowRoot || g.ShowCurv || g.ShowLen || g.ShowQie || g.ShowNml ||
         g.ShowInter || g.ShowArea;
}

TEST(Help, TheTutorialsNameMenuItemsThereAreAndDemoSamplesThatCarryTheirAnalysis) {
  const std::string page = Page("tutorial.html");
  // Menu paths are written in italics, their captions joined by "&gt;".
  const std::regex path(R"re(<i>([^<]*&gt;[^<]*)</i>)re");
  const std::regex heading(R"re(<h2>([^<]*)</h2>)re");
  int paths = 0, samplesWithAnalysis = 0;
  std::vector<std::pair<size_t, std::string>> headings;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), heading);
       it != std::sregex_iterator(); ++it)
    headings.emplace_back(static_cast<size_t>(it->position()), (*it)[1].str());
  for (auto it = std::sregex_iterator(page.begin(), page.end(), path); it != std::sregex_iterator();
       ++it) {
    ++paths;
    std::vector<std::string> captions;
    std::string text = std::regex_replace((*it)[1].str(), std::regex("&amp;"), "&");
    for (size_t at = 0;;) {
      const size_t end = text.find(" &gt; ", at);
      captions.push_back(text.substr(at, end == std::string::npos ? end : end - at));
      if (end == std::string::npos) break;
      at = end + 6;
    }
    const MenuSpec* item = ItemOfPath(captions);
    ASSERT_NE(item, nullptr) << "the tutorial names " << (*it)[1] << ", which no menu has";
    // The section the path stands in.
    std::string in;
    for (const auto& [at, title] : headings)
      if (at < static_cast<size_t>(it->position())) in = title;
    if (item->SamplePath.empty()) continue;
    std::string problem;
    const std::optional<std::string> bytes =
        DocumentFile::Read(std::string(CORVALIN_SOURCE_DIR) + "/" + item->SamplePath, &problem);
    ASSERT_TRUE(bytes) << item->SamplePath << ": " << problem;
    const std::optional<ParsedDocument> doc = ParseDocumentText(*bytes, AxesSettings(), &problem);
    ASSERT_TRUE(doc) << item->SamplePath << ": " << problem;
    bool analysis = false;
    for (const ParsedGraph& g : doc->graphs)
      analysis = analysis || CarriesAnalysis(*g.graph);
    if (in.find("xtrema") != std::string::npos) {
      EXPECT_TRUE(analysis) << item->SamplePath << " carries no analysis of its curves";
      samplesWithAnalysis += analysis;
    }
  }
  EXPECT_GE(paths, 10);
  // The tutorial of the analysis takes it from samples that carry it.
  bool analysisSection = false;
  for (const auto& [at, title] : headings)
    analysisSection = analysisSection || title.find("xtrema") != std::string::npos;
  EXPECT_TRUE(analysisSection);
  EXPECT_GE(samplesWithAnalysis, 1) << "the analysis tutorial opens no Demo sample that shows it";
}

} // namespace
