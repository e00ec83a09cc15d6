#pragma once

#include "data/Page.h"

#include <array>

namespace kakitori {

// A page as the printing side reads it: 75 text slots. Slots 0 to 42 match the line's fields;
// a row's second part sits one slot higher than in the line (second word of row 1: slot 44).
// Slots 1, 43 and 74 are unused.
constexpr int kPageRecordSlots = 75;
using PageRecord = std::array<QString, kPageRecordSlots>;

constexpr int kHeadingSlot = 0;
constexpr int kFontSlot = 42;

// The record slot holding a row's field (row 1..10).
int recordSlotIndex(int row, RowField field);

PageRecord recordFromPage(const Page& page);
Page pageFromRecord(const PageRecord& record);

} // namespace kakitori
