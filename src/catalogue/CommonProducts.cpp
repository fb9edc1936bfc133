#include "CommonProducts.h"

#include "CommonProductData.h"
#include "MergeRules.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/EmptyListHint.h"

namespace catalogue {

CommonProducts::CommonProducts(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views,
                               QObject* parent)
    : QObject(parent)
    , state_(state)
    , dialogs_(dialogs)
    , views_(views)
{
}

void CommonProducts::addCommonProducts()
{
    if (dialogs_.ask(tr("Add common products to the Product List?"), ui::Title::application(), ui::Buttons::YesNo,
                     ui::Icon::Question) != ui::Answer::Yes)
        return;
    AppendResult outcome;
    {
        const ui::BusyCursor busy;
        outcome = appendNewProducts(state_.products, commonProductRecords());
    }
    if (dialogs_.reportFailure(outcome.result))
        return;
    if (outcome.added == 0) {
        dialogs_.tell(tr("No new items found."), ui::Title::none());
        return;
    }
    dialogs_.tell(tr(" %1 items imported.").arg(outcome.added), ui::Title::none());
    views_.RebuildCategories();
    views_.RebuildProductList();
    views_.updateActions();
}

ui::EmptyListHint* addEmptyProductListHint(QAbstractItemView* productList, const model::SharedState& state)
{
    return new ui::EmptyListHint(productList, CommonProducts::tr(kEmptyProductListHint),
                                 [&state] { return state.products.count() == 0; });
}

} // namespace catalogue
