#include "catalogue/CommonProductData.h"
#include "support/MainWindowFixture.h"

using ui::Answer;

namespace {

const QString kQuestion = QStringLiteral("Add common products to the Product List?");

class CommonProductsTest : public MainWindowTest
{
protected:
    const QByteArray all = catalogue::commonProductRecords();
};

} // namespace

TEST_F(CommonProductsTest, NoChangesNothingThenAllAreAddedOnce)
{
    start();
    dialogs.answer(Answer::No, kQuestion);
    trigger("commonproductscmd"); // a failed write: see the table of failing commands
    EXPECT_EQ(TempFolder::read("grocery.dat"), QByteArray());

    const int total = int(all.size() / data::ProductRecord::Length);
    dialogs.answer(Answer::Yes, kQuestion).ok(QStringLiteral(" %1 items imported.").arg(total), ui::Title::none());
    trigger("commonproductscmd");
    const auto& asked = dialogs.boxes().front();
    EXPECT_TRUE(asked.title == ui::Title::application() && asked.buttons == ui::Buttons::YesNo &&
                asked.icon == ui::Icon::Question);
    EXPECT_EQ(productRows().size(), total);
    EXPECT_GT(find<QListWidget>("Combo1")->count(), 10) << "the categories are shown";
    EXPECT_TRUE(find<QWidget>("foodoncmd")->isEnabled());

    dialogs.answer(Answer::Yes, kQuestion).ok("No new items found.");
    trigger("commonproductscmd");
    EXPECT_EQ(TempFolder::read("grocery.dat"), all);
}
