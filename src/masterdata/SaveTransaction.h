#pragma once

class TDatabase;

// One save, one transaction: begins unless the caller already holds one (transactions are
// never nested), rolls back when it goes out of scope uncommitted, so that any error or
// refusal between begin and commit leaves the database as it was.
class TSaveTransaction
{
public:
    explicit TSaveTransaction(TDatabase &database);
    ~TSaveTransaction();
    TSaveTransaction(const TSaveTransaction &) = delete;
    TSaveTransaction &operator=(const TSaveTransaction &) = delete;

    void Commit();
    void Rollback();

private:
    TDatabase &m_database;
    bool m_owned = false;
    bool m_open = false;
};
