#pragma once
// What the dialog tests start from: the document state reset, scripted message boxes and colour
// chooser, a stand-in window (CommandTestHost), and a modal runner that plays the user's part on
// the dialog the command opens (the `user` function) instead of waiting on it.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <string>

#include "commands/AddGraphCommands.h"
#include "commands/CommandTestHost.h"
#include "dialogs/InstallGraphDialogs.h"
#include "dialogs/ModalRunner.h"
#include "document/RecordingHost.h"
#include "platform/Prompter.h"
#include "view/window/MainWindowCommands.h"

class DialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetProgramState();
    InstallGraphDialogs();
    SetModalRunner([this](QDialog& dialog) {
      ++opened;
      caption = dialog.windowTitle().toStdString();
      if (user) user(dialog);
      return dialog.result();
    });
  }
  void TearDown() override {
    SetModalRunner(nullptr);
    MainWindowCommands::Clear();
    ResetProgramState();
  }

  template <class W> static W* Find(QDialog& dialog, const char* name) {
    W* w = dialog.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static QString Text(QDialog& dialog, const char* name) {
    if (auto* lines = dialog.findChild<QPlainTextEdit*>(name)) return lines->toPlainText();
    return Find<QLineEdit>(dialog, name)->text();
  }
  static std::string Label(QDialog& dialog, const char* name) {
    return Find<QLabel>(dialog, name)->text().toStdString();
  }
  static bool Hidden(QDialog& dialog, const char* name) {
    return Find<QWidget>(dialog, name)->isHidden();
  }
  // Types into a box as the user does (its tab brought to the front first).
  static void Type(QDialog& dialog, const char* name, const QString& text) {
    if (auto* lines = dialog.findChild<QPlainTextEdit*>(name)) {
      Reveal(lines);
      lines->selectAll();
      QTest::keyClick(lines, Qt::Key_Delete);
      QTest::keyClicks(lines, text);
      return;
    }
    QLineEdit* box = Find<QLineEdit>(dialog, name);
    Reveal(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
  }
  static void Reveal(QWidget* w) {
    for (QWidget* page = w; page && page->parentWidget(); page = page->parentWidget())
      if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget())) {
        const int index = tabs->indexOf(page);
        if (index >= 0) tabs->setCurrentIndex(index);
      }
  }
  static void Click(QDialog& dialog, const char* name) {
    QWidget* w = Find<QWidget>(dialog, name);
    Reveal(w);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
      button->click();
    else
      QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
  }
  static void Choose(QDialog& dialog, const char* combo, int index) {
    QComboBox* box = Find<QComboBox>(dialog, combo);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  // Runs a command of the main window's table on the stand-in window.
  void Add(const std::string& handler) {
    for (const AddCommandSpec& spec : AddCommandTable())
      if (handler == spec.handler) AddGraphCommand(spec, host);
  }

  // Runs an add command whose dialog gets `fill`, then `text` typed into `box`, then OK; expects
  // OK refused (with `box` keeping the text when `typedStays`), one message that begins with
  // `message`, and no graph added. Returns the title of that message (empty when none was shown).
  std::string ExpectRefused(const std::string& command, const std::function<void(QDialog&)>& fill,
                            const char* box, const char* text, const char* message,
                            bool typedStays = true) {
    dialogs.prompter.shown.clear();
    user = [&](QDialog& d) {
      fill(d);
      Type(d, box, text);
      Click(d, "okButton");
      EXPECT_NE(d.result(), QDialog::Accepted) << command << " " << box << " " << text;
      if (typedStays) {
        EXPECT_EQ(Text(d, box), text) << "what was typed stays";
      }
      Click(d, "cancelButton");
    };
    Add(command);
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
    if (dialogs.prompter.shown.size() != 1u) {
      ADD_FAILURE() << command << " " << box << " " << text << ": " << dialogs.prompter.shown.size()
                    << " messages";
      return {};
    }
    EXPECT_EQ(dialogs.prompter.shown[0].text.rfind(message, 0), 0u)
        << dialogs.prompter.shown[0].text;
    return dialogs.prompter.shown[0].title;
  }

  CommandTestHost host;
  ScopedScriptedDialogs dialogs;
  std::function<void(QDialog&)> user;
  int opened = 0;
  std::string caption;
};
