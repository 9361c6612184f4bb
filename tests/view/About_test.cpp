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
  EXPECT_EQ(about.lblTitle->text(), "Corvalin");
  EXPECT_EQ(about.lblTitle->font().family(), "Times New Roman");
  EXPECT_EQ(about.cmdOK->text(), "O K");
  EXPECT_FALSE(about.Label2->text().isEmpty());
  EXPECT_FALSE(about.lblDisclaimer->text().isEmpty());
  about.Label1_Click();
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_TRUE(openedUrls[0].toLocalFile().endsWith("/help/index.html"));
  about.show();
  about.cmdOK->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}
