#pragma once

#include <QByteArray>

namespace catalogue {

// The everyday products a new Product List can start from: whole product records with
// names unique ignoring case, no prices, and categories led by aisle numbers. Built into
// the program from catalogue/resources/common-products.txt.
QByteArray commonProductRecords();

} // namespace catalogue
