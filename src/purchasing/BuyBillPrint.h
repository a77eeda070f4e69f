#pragma once

class TRep;
class TBuydlSet;
struct RBuy;
struct RSupplier;

// The line columns carry the goods labels as their captions and the quantities and prices
// the decimal places of the options, on paper as on screen.
void ApplyBuyLineDisplay(TBuydlSet &lines);

// What a printed arrival carries (report group 1001): the lines as "d0" and the bill's
// variables (Code, UserCode, BizDate, Dept, Type, Supplier…, Buyman, TotalFund, Billman,
// BillTime, Checkman, CheckTime, Note), dates and amounts as text. The window and the
// console tool print through this one routine, so both give the same page.
void AddBuyBillReportData(TRep &rep, const RBuy &bill, const RSupplier &supplier,
                          TBuydlSet &lines);
