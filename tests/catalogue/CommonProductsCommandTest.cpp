#include "catalogue/CommonProductData.h"
#include "catalogue/CommonProducts.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "support/FakeDialogs.h"
#include "support/FileSizeLimit.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using data::ProductRecord;
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
    void open(const QString& productFile, const QByteArray& content = {})
    {
        TempFolder::write(productFile, content);
        state.ProductFile = productFile;
        state.products.open(productFile);
        state.ProductCount = state.products.count();
    }

    TempFolder folder;
    model::SharedState state;
    FakeDialogs dialogs;
    RecordingViews views;
    catalogue::CommonProducts command{state, dialogs, views};
    const QByteArray all = catalogue::commonProductRecords();
    const int total = int(all.size() / ProductRecord::Length);
};

} // namespace

TEST_F(CommonProductsCommand, AddsAllOnceThenNothingNew)
{
    open("grocery.dat");
    dialogs.answer(Answer::Yes, kQuestion).ok(QStringLiteral(" %1 items imported.").arg(total));
    command.addCommonProducts();
    const auto& asked = dialogs.boxes().front();
    EXPECT_EQ(asked.title, ui::Title::application());
    EXPECT_EQ(asked.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(asked.icon, ui::Icon::Question);
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_EQ(TempFolder::read("grocery.dat"), all);
    EXPECT_EQ(state.ProductCount, total);
    EXPECT_EQ(views.calls, (QStringList{"categories", "products", "actions"}));

    views.calls.clear();
    dialogs.answer(Answer::Yes, kQuestion).ok("No new items found.");
    command.addCommonProducts();
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_EQ(TempFolder::read("grocery.dat"), all);
    EXPECT_TRUE(views.calls.isEmpty());
}

TEST_F(CommonProductsCommand, AStoreOwnFileKeepsItsProductsAndGetsTheRest)
{
    const QString known = data::recordsFromBytes<ProductRecord>(all)[3].text(ProductRecord::item);
    const QByteArray own = bytesOf(std::vector{product(" " + known.toUpper(), "3.10", "Mine", true)});
    open("corner.dat", own);
    dialogs.answer(Answer::Yes).ok(QStringLiteral(" %1 items imported.").arg(total - 1));
    command.addCommonProducts();
    const QByteArray now = TempFolder::read("corner.dat");
    EXPECT_EQ(now.left(own.size()), own);
    EXPECT_EQ(now.size(), all.size());
    EXPECT_FALSE(TempFolder::exists("grocery.dat")) << "only the open product file is touched";
}

TEST_F(CommonProductsCommand, NoOrAFailedWriteChangesNothing)
{
    const QByteArray before = bytesOf(std::vector{product("Bread", "2.00", "Bakery")});
    open("grocery.dat", before);
    dialogs.answer(Answer::No, kQuestion);
    command.addCommonProducts();
    EXPECT_EQ(TempFolder::read("grocery.dat"), before);

    {
        const FileSizeLimit full(rlim_t(before.size()));
        dialogs.answer(Answer::Yes, kQuestion).answer(Answer::Ok);
        command.addCommonProducts();
    }
    EXPECT_TRUE(dialogs.last().text.contains("grocery.dat")) << dialogs.last().text.toStdString();
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Critical);
    EXPECT_EQ(TempFolder::read("grocery.dat"), before);
    EXPECT_EQ(state.ProductCount, 1);
    EXPECT_TRUE(views.calls.isEmpty());
}
