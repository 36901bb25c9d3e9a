// The About box, the web site command and the zoom window, with the modal loop replaced so that
// the test looks at each window and closes it.
#include <QAction>
#include <QLabel>
#include <QScreen>

#include "WindowFixture.h"
#include "core/Version.h"
#include "ui/About.h"
#include "ui/DiagramImage.h"
#include "ui/ImgZoom.h"
#include "ui/ModalRunner.h"
#include "update/MakerAddresses.h"

namespace {

class TModalTest : public TWindowTest {
  protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Previous_ = SetModalRunner([this](QDialog& dialog) {
            ++Shown_;
            Inspect_(dialog);
            return int(QDialog::Accepted);
        });
    }
    void TearDown() override
    {
        SetModalRunner(Previous_);
        TWindowTest::TearDown();
    }

    std::function<void(QDialog&)> Inspect_ = [](QDialog&) {};
    int Shown_ = 0;
    TModalRunner Previous_;
};

TEST_F(TModalTest, AboutBoxShowsTheVersionAndOpensTheSite)
{
    Inspect_ = [](QDialog& dialog) {
        auto* about = qobject_cast<TfrmPMAbout*>(&dialog);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), "About");
        EXPECT_EQ(about->size(), QSize(390, 263));
        EXPECT_EQ(about->findChild<QLabel*>("lblProduct")->text(), "Pelmark");
        EXPECT_EQ(about->VersionLabel()->text(), QString("Version ") + VersionText);
        EXPECT_EQ(about->findChild<QLabel*>("lblDescription")->text(),
                  "This program calculates the bearing capacity of continuous and square. footings in C-Phi "
                  "Soils.  Vesic bearing capacity factors are employed.");
        QTest::mouseClick(about->LinkLabel(), Qt::LeftButton);
    };
    W().findChild<QAction*>("HelpAbout")->trigger();
    EXPECT_EQ(Shown_, 1);
    EXPECT_EQ(Platform_.OpenedUrls, QStringList{MakerAddresses::SiteUrl});
    EXPECT_EQ(W().findChild<TfrmPMAbout*>(), nullptr);  // freed when closed
}

TEST_F(TWindowTest, WebsiteOpensTheMakersSite)
{
    W().findChild<QAction*>("HelpWebsite")->trigger();
    EXPECT_EQ(Platform_.OpenedUrls, QStringList{MakerAddresses::SiteUrl});
}

// Without a browser, the About link and the Website command say so and show the address.
TEST_F(TWindowTest, WithoutABrowserTheAddressIsShown)
{
    Platform_.BrowserStarts = false;
    TfrmPMAbout about(&W());
    QTest::mouseClick(about.LinkLabel(), Qt::LeftButton);
    W().findChild<QAction*>("HelpWebsite")->trigger();
    EXPECT_EQ(Platform_.OpenedUrls, (QStringList{MakerAddresses::SiteUrl, MakerAddresses::SiteUrl}));
    ASSERT_EQ(Platform_.Messages.size(), 2);
    for (const auto& message : Platform_.Messages) {
        EXPECT_TRUE(message.Text.startsWith("No web browser could be started."))
            << message.Text.toStdString();
        EXPECT_TRUE(message.Text.endsWith(MakerAddresses::SiteUrl));
    }
}

TEST(ZoomBitmapSize, IsTheWorkAreaLessTheFrame)
{
    EXPECT_EQ(ZoomBitmapSize(QSize(1920, 1040)), QSize(1900, 940));
    EXPECT_EQ(ZoomBitmapSize(QSize(10, 50)), QSize(1, 1));
}

struct TZoomCase {
    const char* Image;
    bool Redrawn;  // drawn again at the work area's size; otherwise the picture's own size
};

class TZoomTest : public TModalTest, public ::testing::WithParamInterface<TZoomCase> {};

TEST_P(TZoomTest, ClickedDiagramOpensLargeInAModalWindow)
{
    const TZoomCase& c = GetParam();
    auto* image = W().findChild<TDiagramImage*>(c.Image);
    ASSERT_NE(image, nullptr);
    const QSize work = W().screen()->availableGeometry().size();
    const QSize expected = c.Redrawn ? QSize(work.width() - 20, work.height() - 100) : QSize(1024, 768);
    Inspect_ = [&](QDialog& dialog) {
        auto* zoom = qobject_cast<TfrmImgZoom*>(&dialog);
        ASSERT_NE(zoom, nullptr);
        EXPECT_EQ(zoom->windowTitle(), "Image");
        EXPECT_TRUE(zoom->isModal());
        EXPECT_EQ(zoom->Image1()->pixmap().size(), expected);
        EXPECT_EQ(zoom->size(), expected);
    };
    W().Guarded([&] { W().imgDiagClick(image); });
    EXPECT_TRUE(Platform_.Messages.isEmpty());
    EXPECT_EQ(Shown_, 1);
    EXPECT_EQ(W().findChild<TfrmImgZoom*>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Images, TZoomTest,
                         ::testing::Values(TZoomCase{"imgDiag", true}, TZoomCase{"imgDiag2", true},
                                           TZoomCase{"imgDiag3", false}),
                         [](const auto& info) { return std::string(info.param.Image); });

}  // namespace
