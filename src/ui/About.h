// The About box: the product name, the running version, what the program does, and a link to the
// maker's web site.
#pragma once

#include <QDialog>

class QLabel;

class TfrmPMAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmPMAbout(QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return Version_; }
    QLabel* LinkLabel() const { return Link_; }

    // Opens the maker's web site through the shell.
    void LinkClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* Version_ = nullptr;
    QLabel* Link_ = nullptr;
};

// Creates the box, shows it modally centred on the parent and frees it when it closes.
void ShowAboutBox(QWidget* parent);
