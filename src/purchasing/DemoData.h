#pragma once

#include "purchasing/BuyRecords.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TDatabase;

// How much demonstration data one fill makes.
struct RDemoCounts
{
    int Suppliers = 0;
    int Goods = 0;
    int Arrivals = 0;
    int LinesPerArrival = 0;    // 0: three to eight, as a small company's bills run
    int PaymentEvery = 0;       // every n-th audited arrival is half paid; 0: no payments
    int Days = 365;             // the arrivals spread over this many days up to the last date
};

// Demonstration data of a purchasing department: the company, units, bank accounts,
// departments, employees (the buyers answer for goods categories), a category tree,
// suppliers with their quoted prices, goods and arrivals, saved and audited, with some
// returns. Everything follows from the seed and the
// last date, so two fills with the same ones give the same database.
//
// Scale 0 is a small company's year, written through the class-level saves so that the
// data passes the rules the windows pass. Scale n (n >= 1) makes n × 5,000 arrivals of six
// lines, n × 500 goods and n × 20 suppliers; the arrivals go in as plain inserts, one
// transaction per batch, with a payment for every third audited arrival (the benchmarks'
// data set at scale 10).
class TDemoData
{
public:
    // The database is the process's connection (TheDatabase()): the master data saves
    // work on it.
    explicit TDemoData(TDatabase &database, QDate lastDate = QDate::currentDate(),
                       quint64 seed = 20261211);
    ~TDemoData();

    static RDemoCounts CountsOf(int scale);
    // Why the database takes no demonstration data (it has suppliers, goods or bills);
    // empty when it is empty.
    QString Refusal() const;
    // Fills the database; raises EOpenBuyError when a save is refused.
    void Fill(int scale);
    void Fill(const RDemoCounts &counts, bool bulk);

    // (step, done, total) while filling.
    std::function<void(const QString &, qint64, qint64)> OnProgress;

    // What the last fill wrote.
    int ArrivalCount() const { return m_arrivals; }
    int ReturnCount() const { return m_returns; }
    int AuditedCount() const { return m_audited; }

private:
    struct TRandom;
    struct TLeafInfo;
    void FillMasterData(const RDemoCounts &counts);
    void FillUnitsBanksDepts();
    void FillEmployees();
    void FillCategories();
    void FillSuppliers(int count);
    void FillGoods(int count);
    void FillSupplierPrices();
    RBuy MakeArrival(int index, int total, const RDemoCounts &counts);
    void SaveArrivals(const RDemoCounts &counts);
    void InsertArrivals(const RDemoCounts &counts);
    void Progress(const QString &step, qint64 done, qint64 total);

    TDatabase &m_database;
    QDate m_lastDate;
    std::unique_ptr<TRandom> m_random;
    std::vector<TLeafInfo> m_leaves;
    QList<int> m_departments;
    int m_payBank = 0;
    QList<int> m_buyers;                    // employee ids of the buyers
    QList<QList<int>> m_supplierLeaves;     // per supplier: indexes into m_leaves
    QList<int> m_suppliers;
    int m_arrivals = 0;
    int m_returns = 0;
    int m_audited = 0;
};
