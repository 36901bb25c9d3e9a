// Runs a dialog modally. The window's own dialogs (the About box, the zoom window) go through it,
// so that a test can look at a dialog and close it instead of entering its event loop.
#pragma once

#include <functional>

class QDialog;

using TModalRunner = std::function<int(QDialog& dialog)>;

// Shows the dialog modally and returns its result (QDialog::exec unless a runner is installed).
int RunModal(QDialog& dialog);
// Installs a runner (an empty one restores exec); returns the previous one.
TModalRunner SetModalRunner(TModalRunner runner);
