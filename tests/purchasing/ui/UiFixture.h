#pragma once

#include "support/TestSupport.h"

#include "purchasing/BuyRecords.h"

#include <memory>

// A new database with one supplier, department and buyer each, goods 1 to 4 (categories
// "1." 五金 and "1.1." 螺丝) and a logged-in operator.
class TUiFixture
{
public:
    TUiFixture();
    ~TUiFixture();

    static void LoginAs(const QString &login, const QString &rights = QString());
    // A saved bill of the supplier with lines of goods 1, 2, … (quantity 10 each per id).
    static RBuy SaveBill(int supplierId = 1, bool audited = false, int lines = 3);
    static int Count(const QString &sql);

private:
    std::unique_ptr<TTestDatabase> m_db;
};
