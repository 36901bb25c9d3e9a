// The pass and fail pictures of the checks (image list index 0 pass, 1 fail).
#pragma once

#include <QLabel>
#include <QPixmap>

enum TCheckIcon { ciPass = 0, ciFail = 1 };

const QPixmap& CheckIconPixmap(int index);

// An icon beside a checked value; its tag is 0 for pass and 1 for fail once it has been set.
class TCheckIconLabel : public QLabel {
    Q_OBJECT
  public:
    TCheckIconLabel(const QString& name, QWidget* parent);
    void SetPass(bool pass);
    int Tag() const { return Tag_; }

  private:
    int Tag_ = -1;
};
