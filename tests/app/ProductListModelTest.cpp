#include "app/ProductListModel.h"
#include "support/Fixtures.h"

#include <QAbstractItemModelTester>

using namespace app;
using namespace model;

TEST(ProductListModel, RowsMapBackToRecords)
{
    ProductCatalogue catalogue;
    catalogue.load(bytesOf(std::vector{product("Tea"), product("Milk"), product("Bread")}));
    ProductListModel model(catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    model.setRows(filterProducts(catalogue, {}));
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(0).data().toString(), "Bread");
    EXPECT_EQ(model.recordAt(0), 3);
    EXPECT_EQ(model.recordAt(2), 1);

    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}
