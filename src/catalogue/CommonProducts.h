#pragma once

#include <QObject>
#include <QString>

class QAbstractItemView;

namespace model {
class ListViews;
struct SharedState;
} // namespace model
namespace ui {
class Dialogs;
class EmptyListHint;
} // namespace ui

namespace catalogue {

inline const char* const kEmptyProductListHint = QT_TRANSLATE_NOOP(
    "catalogue::CommonProducts", "No products yet: press New, or choose Import/export \u203a Add common products...");

// Takes the built-in everyday products into the open product file: only those whose
// names it does not know yet, so it may be run again, in any store, without duplicates.
class CommonProducts : public QObject
{
    Q_OBJECT

public:
    CommonProducts(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views, QObject* parent = nullptr);

public slots:
    void addCommonProducts();

private:
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    model::ListViews& views_;
};

// Shows kEmptyProductListHint inside the Product List while the open product file holds
// no products at all. The hint belongs to the list.
ui::EmptyListHint* addEmptyProductListHint(QAbstractItemView* productList, const model::SharedState& state);

} // namespace catalogue
