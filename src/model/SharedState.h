#pragma once

#include "CategoryFilter.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QString>

namespace model {

// Which command the custom list picker and panel currently serve.
enum class PickerMode { None, Delete, Preview, Add, Remove, Get };

// What the next Add does: add with quantity 1, ask a quantity first (double-click on a
// product), or change the current item (double-click on an item).
enum class AddMode { Plain, AskQuantity, Change };

// The order of the Shopping List.
enum class ListOrder { Alphabetical, ByCategory };

// The custom list command the menu window left for the main window to run.
enum class CustomListCommand { None, Create, Add, Remove, Preview, Get, Delete, Save };

// The run-wide state every window reads and writes, and the two files the main window
// keeps open: the current product file and the current shopping list file.
struct SharedState
{
    QString ListFile = QStringLiteral("grocery.lst");
    QString ProductFile = QStringLiteral("grocery.dat");
    QString MergeFile;
    model::CategoryFilter CategoryFilter;
    bool LoFatFilter = false;
    bool LoCarbFilter = false;
    QString ListCaption;
    AddMode addMode = AddMode::Plain;
    // Signals a secondary window leaves for the main window's activation handling.
    bool ProductsAdded = false;
    bool ProductsEdited = false;
    bool StoreChanged = false;
    CustomListCommand ListChoiceCode = CustomListCommand::None;
    int ProductRowToSelect = 0;
    int CategoryRowToSelect = 0;
    bool Loaded = false;
    ListOrder listOrder = ListOrder::Alphabetical;
    int EditRecord = 0;
    QString EditorCategory;
    bool DefaultListWarned = false;
    PickerMode pickerMode = PickerMode::None;
    // The product file's merge file holds products to import.
    bool MergeFileReady = false;

    data::RecordFile<data::ProductRecord> products;   // ProductFile, open while in use
    data::RecordFile<data::ShoppingItemRecord> items; // ListFile, open while in use

    // Record counts of the open files, read from the files themselves.
    int ProductCount() const { return products.count(); }
    int ItemCount() const { return items.count(); }
};

} // namespace model
