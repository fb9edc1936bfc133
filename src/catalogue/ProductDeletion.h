#pragma once

#include "data/Records.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace catalogue {

// Whether this product file is the shared default one, grocery.dat, however it is named.
bool isDefaultProductFile(const QString& productFile);

// Asked once per selected product when the user chose to confirm each deletion; true
// deletes the product.
using ConfirmDeletion = std::function<bool(const data::ProductRecord&)>;

// The product file's records that stay when the selected record numbers (from 1) are
// deleted, in file order, each keeping only its name, price, category and diet marks (the
// spare fields are cleared). With confirm set, a selected product stays when confirm answers
// false. Works in place on the file's content.
QByteArray keepAfterDeletion(QByteArray products, const std::vector<int>& selected,
                             const ConfirmDeletion& confirm = {});

} // namespace catalogue
