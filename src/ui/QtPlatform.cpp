#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include "ui/Platform.h"

namespace {

class TQtPlatform final : public IPlatform {
  public:
    int MessageBox(QWidget* parent, TMsgKind kind, const QString& text, int buttons) override
    {
        QMessageBox box(parent);
        switch (kind) {
        case TMsgKind::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case TMsgKind::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case TMsgKind::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case TMsgKind::Confirmation:
            box.setIcon(QMessageBox::Question);
            break;
        }
        box.setWindowTitle(QCoreApplication::applicationName());
        box.setText(text);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QMessageBox::StandardButtons qtButtons;
        if (buttons & mbOK)
            qtButtons |= QMessageBox::Ok;
        if (buttons & mbYes)
            qtButtons |= QMessageBox::Yes;
        if (buttons & mbNo)
            qtButtons |= QMessageBox::No;
        if (buttons & mbCancel)
            qtButtons |= QMessageBox::Cancel;
        box.setStandardButtons(qtButtons ? qtButtons : QMessageBox::Ok);
        switch (box.exec()) {
        case QMessageBox::Ok:
            return mbOK;
        case QMessageBox::Yes:
            return mbYes;
        case QMessageBox::No:
            return mbNo;
        default:
            return (buttons & mbCancel) || !buttons ? mbCancel : (buttons & mbOK ? mbOK : mbCancel);
        }
    }

    QString OpenFileDialog(QWidget* parent, const TFileDialogSpec& spec) override
    {
        return RunFileDialog(parent, spec, QFileDialog::AcceptOpen);
    }
    QString SaveFileDialog(QWidget* parent, const TFileDialogSpec& spec) override
    {
        return RunFileDialog(parent, spec, QFileDialog::AcceptSave);
    }

    bool OpenUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
    bool StartProgram(const QString& path, const QStringList& arguments) override
    {
        return QProcess::startDetached(path, arguments);
    }

    bool HasSetting(const QString& key) override { return Store().contains(key); }
    QVariant ReadSetting(const QString& key) override { return Store().value(key); }
    void WriteSetting(const QString& key, const QVariant& value) override
    {
        QSettings& store = Store();
        store.setValue(key, value);
        store.sync();
    }

    QString DocumentsDir() override
    {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QString AppDataDir() override
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }

  private:
    static QSettings& Store()
    {
        static QSettings settings("Korvane", "Pelmark");
        return settings;
    }

    static QString RunFileDialog(QWidget* parent, const TFileDialogSpec& spec, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent, spec.Title, spec.Folder);
        // The filter names are shown as written ("JPEG files (*.jpg; *.jpeg)"); Qt reads the
        // patterns from the last parentheses, separated by blanks, so each name gets a hidden copy.
        QStringList filters;
        for (const QString& entry : spec.Filter.split(";;", Qt::SkipEmptyParts)) {
            const qsizetype open = entry.lastIndexOf('(');
            const qsizetype close = entry.lastIndexOf(')');
            QString patterns =
                open >= 0 && close > open ? entry.mid(open + 1, close - open - 1) : QString("*");
            patterns.replace(';', ' ');
            filters << entry + " (" + patterns.simplified() + ")";
        }
        dialog.setNameFilters(filters);
        dialog.setOption(QFileDialog::HideNameFilterDetails, true);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (!spec.DefaultSuffix.isEmpty())
            dialog.setDefaultSuffix(spec.DefaultSuffix);
        if (!spec.FileName.isEmpty())
            dialog.selectFile(spec.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }
};

IPlatform* gInstalled = nullptr;

}  // namespace

std::unique_ptr<IPlatform> MakeQtPlatform()
{
    return std::make_unique<TQtPlatform>();
}

IPlatform& Platform()
{
    if (gInstalled)
        return *gInstalled;
    static std::unique_ptr<IPlatform> qt = MakeQtPlatform();
    return *qt;
}

void SetPlatform(IPlatform* platform)
{
    gInstalled = platform;
}

void OpenWebAddress(QWidget* parent, const QString& url)
{
    if (Platform().OpenUrl(url))
        return;
    Platform().MessageBox(parent, TMsgKind::Information,
                          QString("No web browser could be started. The address is:\n\n%1").arg(url), mbOK);
}
