#include "dialogs/ModalRunner.h"

#include <QDialog>

namespace {

std::function<int(QDialog&)>& Runner() {
  static std::function<int(QDialog&)> runner;
  return runner;
}

} // namespace

int ShowModal(QDialog& dialog) {
  if (Runner()) return Runner()(dialog);
  return dialog.exec();
}

void SetModalRunner(std::function<int(QDialog&)> runner) { Runner() = std::move(runner); }
