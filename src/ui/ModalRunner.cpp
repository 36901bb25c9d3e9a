#include "ui/ModalRunner.h"

#include <QDialog>

namespace {
TModalRunner& Installed()
{
    static TModalRunner runner;
    return runner;
}
}  // namespace

int RunModal(QDialog& dialog)
{
    if (const TModalRunner& runner = Installed())
        return runner(dialog);
    return dialog.exec();
}

TModalRunner SetModalRunner(TModalRunner runner)
{
    TModalRunner previous = std::move(Installed());
    Installed() = std::move(runner);
    return previous;
}
