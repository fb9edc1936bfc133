#pragma once

#include "data/Records.h"

#include <QString>

#include <functional>
#include <vector>

namespace catalogue {

// Whether this product file is the shared default one, grocery.dat, however it is named.
bool isDefaultProductFile(const QString& productFile);

// Asked once per selected product when the user chose to confirm each deletion; true
// deletes the product.
using ConfirmDeletion = std::function<bool(const data::ProductRecord&)>;

// The products that stay when the selected record numbers (from 1) are deleted, in file
// order, each rebuilt from its name, price, category and diet marks. With confirm set, a
// selected product stays when confirm answers false.
std::vector<data::ProductRecord> keepAfterDeletion(const std::vector<data::ProductRecord>& products,
                                                   const std::vector<int>& selected,
                                                   const ConfirmDeletion& confirm = {});

} // namespace catalogue
