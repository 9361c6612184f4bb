// The About box: its caption and texts, the link to the home page, and OK closing it.

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "view/window/AboutBox.h"

#include "TestMainWindow.h"

using AboutTest = MainWindowTest;

TEST_F(AboutTest, TextsLinkAndOk) {
  Make(false);
  AboutBox about(window.get());
  EXPECT_EQ(about.windowTitle(), "About Corvalin");
  EXPECT_EQ(about.titleLabel->text(), "Corvalin");
  EXPECT_EQ(about.titleLabel->font().family(), "Times New Roman");
  EXPECT_EQ(about.okButton->text(), "O K");
  EXPECT_FALSE(about.versionLabel->text().isEmpty());
  EXPECT_FALSE(about.disclaimerLabel->text().isEmpty());
  about.OnHomePage();
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_TRUE(openedUrls[0].toLocalFile().endsWith("/help/index.html"));
  about.show();
  about.okButton->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}
