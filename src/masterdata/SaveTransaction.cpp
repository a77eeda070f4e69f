#include "masterdata/SaveTransaction.h"

#include "data/Database.h"

TSaveTransaction::TSaveTransaction(TDatabase &database) : m_database(database)
{
    if (!m_database.InTransaction()) {
        m_database.BeginTrans();
        m_owned = true;
    }
    m_open = true;
}

TSaveTransaction::~TSaveTransaction()
{
    if (!m_open)
        return;
    // Called while an error unwinds: that error is what the caller must see.
    try {
        Rollback();
    } catch (...) {
    }
}

void TSaveTransaction::Commit()
{
    m_open = false;
    if (m_owned)
        m_database.CommitTrans();
}

void TSaveTransaction::Rollback()
{
    m_open = false;
    if (m_owned)
        m_database.RollbackTrans();
}
