#pragma once

#include "data/RecordFile.h"
#include "data/Records.h"

#include <QString>

namespace model {

// Which command the custom list picker and panel currently serve.
enum class PickerMode { None, Delete, Preview, Add, Remove, Get };

// The run-wide state every window reads and writes, and the two files the main window
// keeps open: the current product file and the current shopping list file.
struct SharedState
{
    QString ListFile = QStringLiteral("grocery.lst");
    QString ProductFile = QStringLiteral("grocery.dat");
    QString MergeFile;
    int ProductCount = 0;
    int ItemCount = 0;
    QString CategoryFilter;
    QString LoFatFilter;
    QString LoCarbFilter;
    QString ListCaption;
    QString AddMode;
    int ProductsAdded = 0;
    int ProductsEdited = 0;
    int StoreChanged = 0;
    int ListChoiceCode = 0;
    int ProductRowToSelect = 0;
    int CategoryRowToSelect = 0;
    int Loaded = 0;
    int ListOrder = 0; // 0 alphabetical, 1 by category
    int EditRecord = 0;
    QString EditorCategory;
    int DefaultListWarned = 0;
    PickerMode pickerMode = PickerMode::None;

    data::RecordFile<data::ProductRecord> products;   // ProductFile, open while in use
    data::RecordFile<data::ShoppingItemRecord> items; // ListFile, open while in use
};

} // namespace model
