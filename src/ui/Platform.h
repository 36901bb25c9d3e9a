// What the window takes from the operating system, behind one small interface: message boxes,
// file dialogs, the shell, the per-user settings store and the user's folders. The window uses the
// Qt implementation; tests install a scripted one that answers without showing anything.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QWidget;

enum class TMsgKind { Information, Warning, Error, Confirmation };

// Buttons of a message box, combinable; the answer is one of them (Cancel when the box is closed).
enum TMsgButton : int { mbOK = 1, mbYes = 2, mbNo = 4, mbCancel = 8 };

struct TFileDialogSpec {
    QString Title;   // "Open", "Save"
    QString Filter;  // Qt filter text: "Korvane Pelmark files (*.kpm);;All Files (*.*)"
    QString DefaultSuffix;
    QString Folder;
    QString FileName;
};

class IPlatform {
  public:
    virtual ~IPlatform() = default;

    // Shows a modal message box and returns the pressed button.
    virtual int MessageBox(QWidget* parent, TMsgKind kind, const QString& text, int buttons) = 0;
    // File dialogs: the chosen path, or empty when cancelled.
    virtual QString OpenFileDialog(QWidget* parent, const TFileDialogSpec& spec) = 0;
    virtual QString SaveFileDialog(QWidget* parent, const TFileDialogSpec& spec) = 0;

    // The shell: open a web address in the browser, start a program.
    virtual bool OpenUrl(const QString& url) = 0;
    virtual bool StartProgram(const QString& path, const QStringList& arguments) = 0;

    // The per-user settings store; keys are "Group/Value" (e.g. "WinPos/Left").
    virtual bool HasSetting(const QString& key) = 0;
    virtual QVariant ReadSetting(const QString& key) = 0;
    virtual void WriteSetting(const QString& key, const QVariant& value) = 0;

    // The user's documents folder and the per-user application-data folder.
    virtual QString DocumentsDir() = 0;
    virtual QString AppDataDir() = 0;
};

// The process's platform: the Qt one unless a test has installed another.
IPlatform& Platform();
// Installs a platform (nullptr restores the Qt one); the caller keeps ownership.
void SetPlatform(IPlatform* platform);

std::unique_ptr<IPlatform> MakeQtPlatform();

// Opens a web address in the browser; when none can be started, says so and shows the address in
// a message whose text can be selected and copied.
void OpenWebAddress(QWidget* parent, const QString& url);
