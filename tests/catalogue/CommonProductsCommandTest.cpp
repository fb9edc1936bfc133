#include "catalogue/CommonProductData.h"
#include "catalogue/CommonProducts.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "support/FakeDialogs.h"
#include "support/FileSizeLimit.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using ui::Answer;

namespace {

// Records which views a command asked to have rebuilt.
class RecordingViews : public model::ListViews
{
public:
    void RebuildProductList() override { calls.append("products"); }
    void RebuildCategories() override { calls.append("categories"); }
    void RebuildShoppingList() override { calls.append("shopping"); }
    void updateActions() override { calls.append("actions"); }
    std::vector<int> selectedProductRecords() const override { return {}; }
    int currentProductRecord() const override { return 0; }
    int currentItemRecord() const override { return 0; }
    QStringList shoppingRows() const override { return {}; }
    QString shoppingTotal() const override { return {}; }
    QStringList categories() const override { return {}; }

    QStringList calls;
};

const QString kQuestion = QStringLiteral("Add common products to the Product List?");

class CommonProductsCommand : public ::testing::Test
{
protected:
    void open(const QByteArray& content)
    {
        TempFolder::write("grocery.dat", content);
        state.products.open("grocery.dat");
        state.ProductCount = state.products.count();
    }

    TempFolder folder;
    model::SharedState state;
    FakeDialogs dialogs;
    RecordingViews views;
    catalogue::CommonProducts command{state, dialogs, views};
    const QByteArray all = catalogue::commonProductRecords();
};

} // namespace

TEST_F(CommonProductsCommand, AddsAllOnceThenNothingNew)
{
    open({});
    const int total = int(all.size() / data::ProductRecord::Length);
    dialogs.answer(Answer::Yes, kQuestion).ok(QStringLiteral(" %1 items imported.").arg(total));
    command.addCommonProducts();
    const auto& asked = dialogs.boxes().front();
    EXPECT_TRUE(asked.title == ui::Title::application() && asked.buttons == ui::Buttons::YesNo &&
                asked.icon == ui::Icon::Question);
    EXPECT_TRUE(dialogs.last().title == ui::Title::none());
    EXPECT_EQ(state.ProductCount, total);
    EXPECT_EQ(views.calls, (QStringList{"categories", "products", "actions"}));

    views.calls.clear();
    dialogs.answer(Answer::Yes, kQuestion).ok("No new items found.");
    command.addCommonProducts();
    EXPECT_TRUE(dialogs.last().title == ui::Title::none());
    EXPECT_EQ(TempFolder::read("grocery.dat"), all);
    EXPECT_TRUE(views.calls.isEmpty());
}

TEST_F(CommonProductsCommand, NoOrAFailedWriteChangesNothing)
{
    const QByteArray before = bytesOf(std::vector{product("Bread", "2.00", "Bakery")});
    open(before);
    dialogs.answer(Answer::No, kQuestion);
    command.addCommonProducts();
    {
        const FileSizeLimit full(rlim_t(before.size()));
        dialogs.answer(Answer::Yes, kQuestion).answer(Answer::Ok);
        command.addCommonProducts();
    }
    EXPECT_TRUE(dialogs.last().text.contains("grocery.dat") && dialogs.last().icon == ui::Icon::Critical)
        << dialogs.last().text.toStdString();
    EXPECT_EQ(TempFolder::read("grocery.dat"), before);
    EXPECT_EQ(state.ProductCount, 1);
    EXPECT_TRUE(views.calls.isEmpty());
}
