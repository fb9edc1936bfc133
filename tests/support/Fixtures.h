#pragma once

#include "QtPrinters.h"
#include "TempFolder.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// What a test of the rules needs: a working folder, readable Qt values, and records built
// field by field, as another program writing the same format would.
data::ProductRecord product(const QString& item, const QString& price = {}, const QString& category = {},
                            bool fat = false, bool carb = false);
data::ShoppingItemRecord listItem(const QString& item, const QString& price, const QString& quantity,
                                  const QString& category = {}, std::optional<QString> coupon = std::nullopt);
data::LogRecord logEntry(const QString& date, const QString& coupons, const QString& total, const QString& list,
                         const QString& comment = {});
data::CustomListRecord customRecord(const QString& list, const QString& item, const QString& price = {},
                                    const QString& category = {});

template<class T> QByteArray bytesOf(const std::vector<T>& records)
{
    return data::bytesFromRecords(records);
}

template<class T> std::vector<T> recordsIn(const QString& file)
{
    return data::recordsFromBytes<T>(TempFolder::read(file));
}
