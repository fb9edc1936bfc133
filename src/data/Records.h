#pragma once

// Every record layout the program reads or writes. Field widths are bytes of
// Windows-1252 text; the layouts are those of the files users already have.

#include "FixedField.h"

namespace data {

// Master product file (grocery.dat, a store's own .dat) and merge files (.mrg).
struct ProductRecord : FixedRecord<146>
{
    static constexpr FixedField item{0, 40};
    static constexpr FixedField price{40, 6};
    static constexpr FixedField fat{46, 1};
    static constexpr FixedField carb{47, 1};
    static constexpr FixedField spare1{48, 30};
    static constexpr FixedField spare2{78, 43};
    static constexpr FixedField category{121, 25};
};
static_assert(ProductRecord::category.offset + ProductRecord::category.width == ProductRecord::Length);

// Shopping list files (.lst) and the legacy pantlist.dat.
struct ShoppingItemRecord : FixedRecord<149>
{
    static constexpr FixedField item{0, 40};
    static constexpr FixedField price{40, 6};
    static constexpr FixedField quantity{46, 3};
    static constexpr FixedField category{49, 25};
    static constexpr FixedField coupon{74, 6};
    static constexpr FixedField spare{80, 69};
};
static_assert(ShoppingItemRecord::spare.offset + ShoppingItemRecord::spare.width == ShoppingItemRecord::Length);

// namefile.dat: the list that was current when the program last closed.
struct ListNameRecord : FixedRecord<30>
{
    static constexpr FixedField listname{0, 30};
    // A long path continues over further records; even percent-encoded it stays far below.
    static constexpr qint64 LargestFile = 64 * 1024;
};

// pantrecp.dat: one product of one custom list.
struct CustomListRecord : FixedRecord<251>
{
    static constexpr FixedField list{0, 30};
    static constexpr FixedField item{30, 40};
    static constexpr FixedField price{70, 6};
    static constexpr FixedField category{76, 25};
    static constexpr FixedField spare{101, 150};
};
static_assert(CustomListRecord::spare.offset + CustomListRecord::spare.width == CustomListRecord::Length);

// pantlpt.cfg: the print dialog's settings, record 1 only.
struct PrintSettingsRecord : FixedRecord<508>
{
    static constexpr FixedField fontsize{0, 2};
    static constexpr FixedField regularflag{2, 1};
    static constexpr FixedField boldflag{3, 1};
    static constexpr FixedField alphaflag{4, 1};
    static constexpr FixedField categoryflag{5, 1};
    static constexpr FixedField separatorflag{6, 1};
    static constexpr FixedField priceflag{7, 1};
    static constexpr FixedField headerflag{8, 1};
    static constexpr FixedField indentwidth{9, 2};
    static constexpr FixedField spare{11, 497};
    static constexpr qint64 LargestFile = Length;
};
static_assert(PrintSettingsRecord::spare.offset + PrintSettingsRecord::spare.width == PrintSettingsRecord::Length);

// pantnote.dat: three comment lines for the printout.
struct PrintNoteRecord : FixedRecord<60>
{
    static constexpr FixedField commentline{0, 60};
    static constexpr qint64 LargestFile = 3 * Length;
};

// pantlog.dat: one shopping trip.
struct LogRecord : FixedRecord<321>
{
    static constexpr FixedField entrydate{0, 8};
    static constexpr FixedField coupons{8, 6};
    static constexpr FixedField total{14, 7};
    static constexpr FixedField comment{21, 100};
    static constexpr FixedField listname{121, 30};
    static constexpr FixedField spare{151, 170};
};
static_assert(LogRecord::spare.offset + LogRecord::spare.width == LogRecord::Length);

// pantnotes.dat: the one Shopping Notes text.
struct NotesRecord : FixedRecord<3000>
{
    static constexpr FixedField notes{0, 3000};
    static constexpr qint64 LargestFile = Length;
};

} // namespace data
