// TfrmCheckUpdates: the update dialog. It drives its own update component ("wupd") through one
// check, opened on demand from the Help menu or automatically shortly after start-up; an
// automatic check closes quietly when there is nothing to do.
#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "update/WebUpdate.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

enum class TUpdateMessageKind { Information, Warning, Confirmation };

// What the dialog takes from the program that opens it.
struct TUpdateDialogHost {
    QString RunningVersion;  // major.minor.build of the running program
    QString AppDataFolder;   // per-user application data; packages go to "Pelmark/Update/" below it
    // Shows a message box; with `yesNo` it has Yes and No and the answer is whether Yes was
    // chosen, otherwise it has OK alone. Empty: a plain Qt message box.
    std::function<bool(QWidget* parent, TUpdateMessageKind kind, const QString& text, bool yesNo)> Message;
    // Whether the work in the program may be left (unsaved work is offered for saving first).
    // Empty: there is nothing to save.
    std::function<bool()> ConfirmSave;
};

class TfrmCheckUpdates : public QDialog {
    Q_OBJECT

  public:
    // Delay between creation and the start of the check.
    static constexpr int kStartDelayMs = 500;

    TfrmCheckUpdates(QWidget* parent, TUpdateDialogHost host);
    ~TfrmCheckUpdates() override;

    bool Automatic = false;
    TmxWebUpdate& Component() { return wupd; }
    QTimer* Timer() const { return Timer1; }

    // --- Handlers (named after the element and the event) ---
    void FormShow();
    void Timer1Timer();
    void btnCancelClick();
    void wupdNoUpdateFound();
    void wupdDownloadError();
    void wupdUpdateAvailable(const QString& actualVersion, const QString& newVersion, bool& canUpdate);
    void wupdAfterShowInfo(bool checkForUpdate);
    void wupdGetClientFileName(QString& fileName);
    void wupdBeforeDownload(const QString& fileName);
    void wupdDownload(qint64 total, qint64 downloaded);
    void wupdAfterDownload();
    void wupdCannotExecute();

  protected:
    void showEvent(QShowEvent* event) override;
    // Esc and the title bar's close button act as the button does.
    void reject() override;
    void done(int result) override;

  private:
    void BuildWindow();
    void AttachHandlers();
    bool Ask(TUpdateMessageKind kind, const QString& text);
    void Tell(TUpdateMessageKind kind, const QString& text);
    void SetShortenedText(QLabel* label, const QString& text);

    TUpdateDialogHost Host_;
    TmxWebUpdate wupd;
    QTimer* Timer1 = nullptr;
    QLabel* imgPicture = nullptr;
    QLabel* lblTitle = nullptr;
    QFrame* shpTitleBar = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblAddress = nullptr;
    QLabel* lblCurrentVersion = nullptr;
    QLabel* lblNewVersion = nullptr;
    QLabel* lblSize = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* btnCancel = nullptr;
};

// Whether going from `running` to `offered` is a major update (a different major number, the
// text before the first "."); major updates are not free and are not installed from here.
bool IsMajorUpdate(const QString& running, const QString& offered);

// Opens the update dialog modally and frees it when it closes.
void ShowUpdateDialog(QWidget* parent, bool automatic, const QString& pageAddress, bool inplace,
                      const TUpdateDialogHost& host);
