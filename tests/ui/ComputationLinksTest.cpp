// The "View Computations" links under the square and the continuous footing results: each shows
// with its design and opens the listing of that design, with the modal loop replaced so that the
// test looks at the listing and closes it.
#include <QCheckBox>
#include <QLabel>

#include "WindowFixture.h"
#include "listings/ComputationListing.h"
#include "ui/Computations.h"
#include "ui/ModalRunner.h"

namespace {

class TComputationLinksTest : public TWindowTest {
  protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Previous_ = SetModalRunner([this](QDialog& dialog) {
            auto* listing = qobject_cast<TfrmComputations*>(&dialog);
            if (listing)
                for (int row = 0; row < listing->RowCount(); ++row)
                    Shown_.push_back(listing->Caption(row).toStdString());
            ++Opened_;
            return int(QDialog::Accepted);
        });
    }
    void TearDown() override
    {
        SetModalRunner(Previous_);
        TWindowTest::TearDown();
    }

    // Switches a design on (or leaves it on) through its check box, as the user does.
    void SwitchOn(const char* box)
    {
        auto* check = W().Control<QCheckBox>(box);
        check->setChecked(false);
        check->click();
        ASSERT_TRUE(check->isChecked());
    }
    void SwitchOff(const char* box)
    {
        auto* check = W().Control<QCheckBox>(box);
        check->setChecked(true);
        check->click();
        ASSERT_FALSE(check->isChecked());
    }

    static std::vector<std::string> Captions(const TComputationListing& listing)
    {
        std::vector<std::string> captions;
        for (const TListingRow& row : listing.Rows())
            captions.push_back(row.Caption);
        return captions;
    }

    std::vector<std::string> Shown_;
    int Opened_ = 0;
    TModalRunner Previous_;
};

TEST_F(TComputationLinksTest, EachLinkOpensTheListingOfItsDesign)
{
    SwitchOn("chkUseReinforcement");
    SwitchOn("chkUseContReinforcement");
    struct TCase {
        const char* Link;
        TComputationListing (*Build)(const TPMData&);
    };
    const TCase cases[] = {
        {"lblSquareComputations", &BuildSquareFootingListing},
        {"lblContinuousComputations", &BuildContinuousListing},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Link);
        auto* link = W().Control<QLabel>(c.Link);
        ASSERT_NE(link, nullptr);
        EXPECT_TRUE(link->isVisibleTo(&W()));
        EXPECT_EQ(link->text(), "View Computations");
        Shown_.clear();
        Opened_ = 0;
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_EQ(Opened_, 1);
        const std::vector<std::string> expected = Captions(c.Build(D()));
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(Shown_, expected);
    }
    // The two listings differ, so each link is told apart from the other.
    EXPECT_NE(Captions(BuildSquareFootingListing(D())), Captions(BuildContinuousListing(D())));
}

TEST_F(TComputationLinksTest, LinksHideWithTheirDesign)
{
    SwitchOn("chkUseReinforcement");
    SwitchOn("chkUseContReinforcement");
    SwitchOff("chkUseReinforcement");
    EXPECT_FALSE(W().Control<QLabel>("lblSquareComputations")->isVisibleTo(&W()));
    EXPECT_TRUE(W().Control<QLabel>("lblContinuousComputations")->isVisibleTo(&W()));
    SwitchOff("chkUseContReinforcement");
    EXPECT_FALSE(W().Control<QLabel>("lblContinuousComputations")->isVisibleTo(&W()));
    SwitchOn("chkUseReinforcement");
    EXPECT_TRUE(W().Control<QLabel>("lblSquareComputations")->isVisibleTo(&W()));
}

}  // namespace
