#pragma once
// Shows the graph property dialogs modally. The program runs each dialog's own event loop; tests
// install a runner that plays the user's part on the dialog (types, clicks OK or Cancel) and
// returns, so no test waits on a modal window.

#include <functional>

class QDialog;

// Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
int ShowModal(QDialog& dialog);

// Installs the runner (null restores the dialog's own modal loop).
void SetModalRunner(std::function<int(QDialog&)> runner);
