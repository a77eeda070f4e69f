#pragma once

#include <QString>

#include <memory>

class TDataSet;
class TRep;

// A purchase arrival as a print site hands it over: its lines as "d0" and header variables.
std::unique_ptr<TDataSet> BillLines();
void AddBillVariables(TRep &rep);
// A list of n goods rows (code, name, unit, quantity, amount).
std::unique_ptr<TDataSet> GoodsList(int rows);
// The text of a PDF file as pdftotext reads it (layout kept).
QString PdfText(const QString &fileName);
// Logs in as an operator with exactly these rights ("sa" for every right).
void LoginAs(const QString &loginId, const QString &rights);
