#include "admin_db/db/statement.h"

#include "admin_db/db/jet_error.h"
#include "admin_db/db/sqlcipher.h"
#include "common/latin1.h"

#include <utility>

Statement::Statement(sqlite3_stmt *statement, QString path)
    : m_statement(statement), m_path(std::move(path))
{
}

Statement::Statement(Statement &&other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr))
    , m_path(std::move(other.m_path))
    , m_onRow(std::exchange(other.m_onRow, false))
{
}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_statement = std::exchange(other.m_statement, nullptr);
        m_path = std::move(other.m_path);
        m_onRow = std::exchange(other.m_onRow, false);
    }
    return *this;
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

void Statement::check(int resultCode) const
{
    if (resultCode != SQLITE_OK)
        throw SqliteError(resultCode, sqlite3_db_handle(m_statement), m_path);
}

Statement &Statement::bind(int position, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    check(sqlite3_bind_text(m_statement, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement &Statement::bind(int position, const QByteArray &bytes)
{
    return bind(position, toText(bytes));
}

Statement &Statement::bind(int position, qint64 number)
{
    check(sqlite3_bind_int64(m_statement, position, number));
    return *this;
}

bool Statement::next()
{
    const int rc = sqlite3_step(m_statement);
    m_onRow = rc == SQLITE_ROW;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const JetError error = SqliteError(rc, sqlite3_db_handle(m_statement), m_path);
        sqlite3_reset(m_statement);
        throw error;
    }
    return m_onRow;
}

void Statement::run()
{
    while (next()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(m_statement);
    m_onRow = false;
}

int Statement::field(const char *name) const
{
    const int n = sqlite3_column_count(m_statement);
    for (int i = 0; i < n; ++i) {
        if (sqlite3_stricmp(sqlite3_column_name(m_statement, i), name) == 0)
            return i;
    }
    throw JetError(JetCode::ItemNotFound,
                   QStringLiteral("Item not found in this collection: %1.").arg(QString::fromUtf8(name)));
}

void Statement::requireRow() const
{
    if (!m_onRow)
        throw JetError(JetCode::NoCurrentRecord, QStringLiteral("No current record."));
}

QString Statement::text(int column) const
{
    requireRow();
    const auto *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(m_statement, column)) : QString();
}

QByteArray Statement::bytes(int column) const
{
    return toBytes(text(column));
}

qint64 Statement::number(int column) const
{
    requireRow();
    return sqlite3_column_int64(m_statement, column);
}
