#include "data/Database.h"

#include "data/Dialect.h"
#include "data/Messages.h"
#include "data/RecordSet.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <list>

#ifdef __GLIBC__
#include <malloc.h>
#endif

struct TDatabase::TPrepared
{
    TDialect::TStatement Statement;
    QSqlQuery Query;
    std::list<QString>::iterator Use;
};

// Prepared statements by their text, the least recently used dropped first.
struct TDatabase::TCache
{
    static constexpr size_t Capacity = 96;
    QHash<QString, std::shared_ptr<TPrepared>> Entries;
    std::list<QString> Order;
    std::shared_ptr<TPrepared> Active;      // the select whose rows are being read
};

namespace {
std::atomic<int> s_connectionCounter{0};

QString ProviderMessage(const QSqlError &error)
{
    const QString db = error.databaseText().trimmed();
    return db.isEmpty() ? error.text().trimmed() : db;
}

TDialect *MakeDialect(const QString &provider)
{
    if (provider.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0)
        return new TSqliteDialect;
    if (provider.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) == 0)
        return new TPostgresDialect;
    return nullptr;
}
} // namespace

QString ConnectionStringProperty(const QString &connectionString, const QString &name)
{
    const qsizetype at = connectionString.indexOf(name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const qsizetype eq = connectionString.indexOf(u'=', at + name.size());
    if (eq < 0)
        return QString();
    const qsizetype end = connectionString.indexOf(u';', eq + 1);
    return connectionString.mid(eq + 1, end < 0 ? -1 : end - eq - 1).trimmed();
}

TDatabase::TDatabase()
    : m_connectionName(QStringLiteral("openbuy_%1").arg(++s_connectionCounter)),
      m_dialect(std::make_unique<TSqliteDialect>()), m_cache(std::make_unique<TCache>())
{
}

TDatabase::~TDatabase()
{
    DropPrepared();
    m_db.close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

void TDatabase::DropPrepared()
{
    m_cache->Active.reset();
    m_cache->Entries.clear();
    m_cache->Order.clear();
}

bool TDatabase::TryConnect(const QString &connectionString, QString *error)
{
    SetConnected(false);
    m_connectionString = connectionString;
    try {
        if (connectionString.trimmed().isEmpty())
            throw EDatabaseError(QStringLiteral("没有设置数据库连接参数"));
        std::unique_ptr<TDialect> dialect(MakeDialect(Provider()));
        if (!dialect)
            throw EDatabaseError(QStringLiteral("不支持的数据库提供者: %1").arg(Provider()));
        m_dialect = std::move(dialect);
        if (!m_db.isValid())
            m_db = QSqlDatabase::addDatabase(m_dialect->QtDriver(), m_connectionName);
        else if (m_db.driverName() != m_dialect->QtDriver()) {
            m_db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            m_db = QSqlDatabase::addDatabase(m_dialect->QtDriver(), m_connectionName);
        }
        if (!m_db.isValid())
            throw EDatabaseError(QStringLiteral("没有找到数据库驱动 %1").arg(m_dialect->QtDriver()));
        m_dialect->Open(m_db, connectionString);
        m_dialect->Configure(m_db);
    } catch (const EOpenBuyError &e) {
        m_db.close();
        if (error)
            *error = e.Message();
        return false;
    }
    return m_db.isOpen();
}

bool TDatabase::Connect(const QString &connectionString)
{
    QString error;
    if (!TryConnect(connectionString, &error))
        ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error));
    return Connected();
}

bool TDatabase::Connected() const
{
    return m_db.isValid() && m_db.isOpen();
}

void TDatabase::SetConnected(bool connected)
{
    if (connected == Connected())
        return;
    if (connected) {
        EnsureOpen();
        return;
    }
    DropPrepared();
    m_inTransaction = false;
    m_db.close();
}

void TDatabase::EnsureOpen()
{
    if (Connected())
        return;
    QString error;
    if (!TryConnect(m_connectionString, &error))
        throw EDatabaseError(error);
}

const TDialect &TDatabase::Dialect() const
{
    return *m_dialect;
}

TDatabase::TPrepared &TDatabase::Prepare(const QString &sql)
{
    TCache &cache = *m_cache;
    if (auto it = cache.Entries.find(sql); it != cache.Entries.end()) {
        cache.Order.splice(cache.Order.begin(), cache.Order, it.value()->Use);
        return *it.value();
    }
    auto prepared = std::make_shared<TPrepared>();
    prepared->Statement = m_dialect->Translate(sql);
    prepared->Query = QSqlQuery(m_db);
    prepared->Query.setForwardOnly(true);
    prepared->Query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    // Statements without parameters (DDL, transaction control, plain selects) run as they
    // are: the server cannot prepare every kind of statement.
    if (!prepared->Statement.Params.isEmpty() && !prepared->Query.prepare(prepared->Statement.Sql))
        throw EDatabaseError(ProviderMessage(prepared->Query.lastError()));
    cache.Order.push_front(sql);
    prepared->Use = cache.Order.begin();
    cache.Entries.insert(sql, prepared);
    while (cache.Order.size() > TCache::Capacity) {
        if (cache.Active && cache.Entries.value(cache.Order.back()) == cache.Active)
            break;
        cache.Entries.remove(cache.Order.back());
        cache.Order.pop_back();
    }
    return *prepared;
}

void TDatabase::Bind(TPrepared &prepared, const QString &sql, const TDBParameters &params,
                     const TxDBParameters &blobParams)
{
    const QStringList &names = prepared.Statement.Params;
    auto contains = [&](const QString &name) {
        return names.contains(name, Qt::CaseInsensitive);
    };
    // A parameter the statement does not name is the caller's error, found before running.
    for (const TDBParameter &p : params)
        if (!contains(p.Name))
            throw EDatabaseError(QStringLiteral("参数 '%1' 在语句中不存在\r\n%2").arg(p.Name, sql));
    for (const TxDBParameter &p : blobParams)
        if (!contains(p.Name))
            throw EDatabaseError(QStringLiteral("参数 '%1' 在语句中不存在\r\n%2").arg(p.Name, sql));
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names[i];
        const QVariant *value = nullptr;
        QVariant blob;
        for (const TDBParameter &p : params)
            if (p.Name.compare(name, Qt::CaseInsensitive) == 0)
                value = &p.Value;
        for (const TxDBParameter &p : blobParams) {
            if (p.Name.compare(name, Qt::CaseInsensitive) == 0) {
                blob = p.Stream ? QVariant(*p.Stream) : QVariant(QMetaType(QMetaType::QByteArray));
                value = &blob;
            }
        }
        if (!value)
            throw EDatabaseError(QStringLiteral("参数 '%1' 没有赋值\r\n%2").arg(name, sql));
        prepared.Query.bindValue(i, m_dialect->BindValue(*value));
    }
}

bool TDatabase::Run(TPrepared &prepared)
{
    if (prepared.Statement.Params.isEmpty())
        return prepared.Query.exec(prepared.Statement.Sql);
    return prepared.Query.exec();
}

int TDatabase::Execute(const QString &sql, const TDBParameters &params,
                       const TxDBParameters &blobParams)
{
    EnsureOpen();
    TPrepared *prepared = nullptr;
    try {
        prepared = &Prepare(sql);
    } catch (const EDatabaseError &e) {
        throw EDatabaseError(e.Message() + QStringLiteral("\r\n") + sql);
    }
    Bind(*prepared, sql, params, blobParams);
    QSqlQuery &q = prepared->Query;
    if (!Run(*prepared)) {
        const QString message = ProviderMessage(q.lastError());
        q.finish();
        throw EDatabaseError(message + QStringLiteral("\r\n") + sql);
    }
    const int affected = q.numRowsAffected();
    q.finish();
    return affected;
}

int TDatabase::ExecSQL(const QString &sql, const TDBParameters &params,
                       const TxDBParameters &blobParams)
{
    return Execute(sql, params, blobParams);
}

void TDatabase::ExecCommand(const QString &sql, const TDBParameters &params,
                            const TxDBParameters &blobParams)
{
    Execute(sql, params, blobParams);
}

QSqlQuery &TDatabase::RunSelect(const QString &sql, const TDBParameters &params)
{
    EnsureOpen();
    FinishSelect();
    TPrepared &prepared = Prepare(sql);
    // Held until FinishSelect, so that the cache cannot drop it while rows are read.
    m_cache->Active = m_cache->Entries.value(sql);
    Bind(prepared, sql, params, {});
    if (!Run(prepared)) {
        const QString message = ProviderMessage(prepared.Query.lastError());
        FinishSelect();
        throw EDatabaseError(message);
    }
    return prepared.Query;
}

void TDatabase::FinishSelect()
{
    if (m_cache->Active) {
        m_cache->Active->Query.finish();
        m_cache->Active.reset();
    }
}

void TDatabase::BeginTrans()
{
    EnsureOpen();
    if (m_inTransaction)
        throw EDatabaseError(QStringLiteral("事务已经开始, 不能嵌套"));
    // SQLite: take the write lock at once, so that a second workstation waits instead of
    // failing half-way when both read max(Id) and then write.
    ExecCommand(m_dialect->IsServer() ? QStringLiteral("begin")
                                      : QStringLiteral("begin immediate"));
    m_inTransaction = true;
}

void TDatabase::CommitTrans()
{
    if (!m_inTransaction)
        throw EDatabaseError(QStringLiteral("没有开始的事务"));
    FinishSelect();
    ExecCommand(QStringLiteral("commit"));
    m_inTransaction = false;
}

void TDatabase::RollbackTrans()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    FinishSelect();
    if (Connected())
        ExecCommand(QStringLiteral("rollback"));
}

bool TDatabase::IsSqlServer() const
{
    return Provider() != QLatin1String("SQLite");
}

QString TDatabase::DateLiteral(const QDateTime &value) const
{
    return DateLiteral(value.date());
}

QString TDatabase::DateLiteral(const QDate &value) const
{
    std::unique_ptr<TDialect> byProvider(MakeDialect(Provider()));
    return (byProvider ? *byProvider : *m_dialect).DateLiteral(value);
}

QDateTime TDatabase::ServerNow()
{
    TRecordSet set(*this);
    set.OpenSQL(m_dialect->ServerNowSql());
    TField *field = set.DataSet()->Field(0);
    const QVariant v = field->Value();
    if (v.typeId() == QMetaType::QString)
        return QDateTime::fromString(v.toString(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return v.toDateTime();
}

QString TDatabase::ConnectionProperty(const QString &name) const
{
    return ConnectionStringProperty(m_connectionString, name);
}

// ---- process-wide objects ---------------------------------------------------------------

namespace {
TDatabase *s_database = nullptr;
TRecordSet *s_lookupSet = nullptr;

void FreeProcessObjects()
{
    // The lookup set reads through the connection: it goes first.
    delete s_lookupSet;
    s_lookupSet = nullptr;
    delete s_database;
    s_database = nullptr;
}

// Sets are loaded, freed and loaded again all day (refresh, another criteria): keep freed
// memory in the process instead of handing it back and faulting it in anew at every load.
void KeepFreedMemory()
{
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
#endif
}

void EnsureProcessObjects()
{
    if (s_database)
        return;
    KeepFreedMemory();
    s_database = new TDatabase;
    s_lookupSet = new TRecordSet(*s_database);
    if (QCoreApplication::instance())
        qAddPostRoutine(FreeProcessObjects);
}
} // namespace

TDatabase &TheDatabase()
{
    EnsureProcessObjects();
    return *s_database;
}

TRecordSet &TheLookupSet()
{
    EnsureProcessObjects();
    return *s_lookupSet;
}

void ShowDeleteRefused(const QString &message)
{
    ShowInfo(QStringLiteral("为了数据的完整性,现在不能删除该记录.\r\n"
                            "因为至少有一个表已经关联到该记录,除非先删除关联表中的记录.\r\n"
                            "如果是清除演示数据,请选择菜单里相应的功能来操作. 以下是原文描述:\r\n\r\n")
             + message);
}
