#include "ui/About.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <memory>

#include "core/Version.h"
#include "ui/ModalRunner.h"
#include "ui/Platform.h"
#include "update/MakerAddresses.h"

namespace {
constexpr int kClientWidth = 390;
constexpr int kClientHeight = 263;
constexpr int kMargin = 24;

const char* const kDescription =
    "This program calculates the bearing capacity of continuous and square. footings in C-Phi Soils.  "
    "Vesic bearing capacity factors are employed.";
}  // namespace

TfrmPMAbout::TfrmPMAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmPMAbout");
    setWindowTitle("About");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);

    auto* product = new QLabel("Pelmark", this);
    product->setObjectName("lblProduct");
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPixelSize(19);
    product->setFont(bold);
    product->setGeometry(kMargin, 16, kClientWidth - 2 * kMargin, 26);

    Version_ = new QLabel(QString("Version ") + VersionText, this);
    Version_->setObjectName("lblVersion");
    Version_->setGeometry(kMargin, 48, kClientWidth - 2 * kMargin, 18);

    auto* description = new QLabel(kDescription, this);
    description->setObjectName("lblDescription");
    description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    description->setWordWrap(true);
    description->setGeometry(kMargin, 82, 337, 41);

    Link_ = new QLabel(QString("Korvane - ") + MakerAddresses::SiteName, this);
    Link_->setObjectName("lblLink");
    Link_->setStyleSheet("QLabel { color: blue; }");
    Link_->setCursor(Qt::PointingHandCursor);
    Link_->setGeometry(kMargin, 140, kClientWidth - 2 * kMargin, 18);
    Link_->installEventFilter(this);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(0, kClientHeight - 48, kClientWidth, 2);

    // Default button for Enter; Escape rejects the box, which closes it as well.
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    ok->setGeometry(kClientWidth - 75 - 12, kClientHeight - 36, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmPMAbout::LinkClick()
{
    OpenWebAddress(this, MakerAddresses::SiteUrl);
}

bool TfrmPMAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Link_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LinkClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutBox(QWidget* parent)
{
    auto box = std::make_unique<TfrmPMAbout>(parent);
    if (parent)
        box->move(parent->frameGeometry().center() - box->rect().center());
    RunModal(*box);
}
