#include "platform/storage/recordset.h"

#include "platform/error.h"
#include "platform/storage/access_sql.h"
#include "platform/storage/connection.h"
#include "platform/storage/keyed_select.h"
#include "platform/storage/session.h"

#include <optional>

namespace platform {
namespace {

// Makes a writing statement deliver the row it stored, so that no second query reads it back.
const QString kStoredRow = QStringLiteral(" returning *");

QString quotedName(QString name)
{
    return u'"' + name.replace(u'"', QLatin1String("\"\"")) + u'"';
}

} // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

std::string Recordset::context() const
{
    return " (in the result of: " + source_.toStdString() + ")";
}

void Recordset::Open(const QString& source, Connection& activeConnection, int, int, int)
{
    if (open_)
        throw Error("the result set is already open" + context());
    std::shared_ptr<detail::Session> session = activeConnection.session();
    if (!session)
        throw Error("cannot open a result set on a closed connection (in: " + source.toStdString() + ")");

    const QString text = sql::fromAccess(source);
    std::optional<sql::KeyedSelect> keyed = sql::keyedSelect(text);
    std::optional<detail::Statement> statement;
    if (keyed) {
        try {
            statement.emplace(session->prepare(keyed->text, source));
        } catch (const Error&) {
            keyed.reset(); // the plain text decides what the failure is
        }
    }
    if (!statement)
        statement.emplace(session->prepare(text, source));

    const int first = keyed ? 1 : 0;
    const int columns = statement->columnCount() - first;
    if (columns <= 0)
        throw Error("the query text delivers no rows (in: " + source.toStdString() + ")");
    std::vector<QString> names;
    for (int c = 0; c < columns; ++c)
        names.push_back(statement->columnName(first + c));
    std::deque<Variant> cells;
    std::vector<qint64> keys;
    std::vector<std::string> lastText(static_cast<std::size_t>(columns));
    const Variant none;
    while (statement->step()) {
        keys.push_back(keyed ? statement->columnInt64(0) : 0);
        const std::size_t row = cells.size();
        for (int c = 0; c < columns; ++c) {
            const Variant& above = row == 0 ? none : cells[row - std::size_t(columns) + std::size_t(c)];
            cells.push_back(statement->column(first + c, above, lastText[std::size_t(c)]));
        }
    }

    source_ = source;
    table_ = keyed ? keyed->table : QString();
    session_ = std::move(session);
    names_ = std::move(names);
    columns_ = columns;
    cells_ = std::move(cells);
    keys_ = std::move(keys);
    deleted_.assign(keys_.size(), false);
    live_ = static_cast<int>(keys_.size());
    position_ = 0;
    pending_ = Pending::None;
    open_ = true;
}

void Recordset::Close()
{
    requireOpen("close");
    open_ = false;
    session_.reset();
    table_.clear();
    names_.clear();
    columns_ = 0;
    cells_.clear();
    keys_.clear();
    deleted_.clear();
    live_ = 0;
    position_ = 0;
    CancelUpdate();
}

void Recordset::requireOpen(const char* what) const
{
    if (!open_)
        throw Error(std::string("cannot ") + what + ": the result set is not open"
                    + (source_.isEmpty() ? std::string() : context()));
}

void Recordset::requireChangeable() const
{
    if (table_.isEmpty())
        throw Error("the rows of this result set cannot be changed, only those of select * from one table"
                    + context());
}

void Recordset::requireRow(const char* what, int column) const
{
    // The message is only put together for a failure: every field read passes through here.
    auto failure = [&](const char* problem) {
        const std::string field = column < 0 ? std::string() : " field \"" + names_[column].toStdString() + "\"";
        return Error(std::string("cannot ") + what + field + problem + context());
    };
    if (position_ < 0 || position_ >= rows())
        throw failure(": there is no current row (BOF or EOF)");
    if (deleted_[position_])
        throw failure(": the current row has been deleted");
}

int Recordset::RecordCount() const
{
    requireOpen("count the rows");
    return live_;
}

bool Recordset::Eof() const
{
    requireOpen("test for EOF");
    return pending_ != Pending::Adding && position_ >= rows();
}

bool Recordset::Bof() const
{
    requireOpen("test for BOF");
    return pending_ != Pending::Adding && (position_ < 0 || (live_ == 0 && position_ >= rows()));
}

qsizetype Recordset::firstLiveFrom(qsizetype row) const
{
    while (row < rows() && deleted_[row])
        ++row;
    return row;
}

void Recordset::MoveFirst()
{
    requireOpen("move to the first row");
    finishPending();
    position_ = firstLiveFrom(0);
}

void Recordset::MoveNext()
{
    requireOpen("move to the next row");
    finishPending();
    if (position_ >= rows())
        throw Error("cannot move to the next row: already past the last row (EOF)" + context());
    position_ = firstLiveFrom(position_ + 1);
}

Field Recordset::Fields(const QString& name)
{
    requireOpen("find a field");
    for (int c = 0; c < columns_; ++c)
        if (names_[c].compare(name, Qt::CaseInsensitive) == 0)
            return Field(*this, c);
    throw Error("no field named \"" + name.toStdString() + "\"" + context());
}

QString Recordset::columnName(int column) const
{
    requireOpen("name a field");
    return names_[column];
}

Variant Recordset::value(int column) const
{
    requireOpen("read a field");
    if (pending_ != Pending::None)
        return buffer_[column];
    requireRow("read", column);
    return cells_[position_ * columns_ + column];
}

void Recordset::setValue(int column, const Variant& value)
{
    requireOpen("set a field");
    requireChangeable();
    if (pending_ == Pending::None) {
        requireRow("set", column);
        const auto row = cells_.begin() + position_ * columns_;
        buffer_.assign(row, row + columns_);
        changed_.assign(columns_, false);
        pending_ = Pending::Editing;
    }
    buffer_[column] = value;
    changed_[column] = true;
}

void Recordset::AddNew()
{
    requireOpen("add a row");
    requireChangeable();
    finishPending();
    buffer_.assign(columns_, Variant());
    changed_.assign(columns_, false);
    pending_ = Pending::Adding;
}

void Recordset::CancelUpdate()
{
    pending_ = Pending::None;
    buffer_.clear();
    changed_.clear();
}

void Recordset::finishPending()
{
    if (pending_ != Pending::None)
        Update();
}

void Recordset::Update()
{
    requireOpen("store a row");
    if (pending_ == Pending::None)
        return;
    std::vector<int> columns;
    for (int c = 0; c < columns_; ++c)
        if (changed_[c])
            columns.push_back(c);
    if (pending_ == Pending::Adding)
        writeNewRow(columns);
    else if (!columns.empty())
        writeChangedRow(columns);
    CancelUpdate();
}

void Recordset::writeNewRow(const std::vector<int>& columns)
{
    QString text = "insert into " + table_;
    if (columns.empty()) {
        text += " default values";
    } else {
        QString names, marks;
        for (int c : columns) {
            names += (names.isEmpty() ? "" : ", ") + quotedName(names_[c]);
            marks += marks.isEmpty() ? "?" : ", ?";
        }
        text += " (" + names + ") values (" + marks + ")";
    }
    detail::Statement insert = session_->cached(text + kStoredRow);
    int position = 0;
    for (int c : columns)
        insert.bind(++position, buffer_[c]);
    const bool stored = insert.step();
    keys_.push_back(session_->lastInsertRowid());
    deleted_.push_back(false);
    cells_.insert(cells_.end(), buffer_.begin(), buffer_.end());
    ++live_;
    position_ = rows() - 1;
    if (stored)
        takeStoredRow(insert, position_);
}

void Recordset::writeChangedRow(const std::vector<int>& columns)
{
    QString assignments;
    for (int c : columns)
        assignments += (assignments.isEmpty() ? "" : ", ") + quotedName(names_[c]) + "=?";
    detail::Statement update =
        session_->cached("update " + table_ + " set " + assignments + " where rowid=?" + kStoredRow);
    int position = 0;
    for (int c : columns)
        update.bind(++position, buffer_[c]);
    update.bind(++position, Variant(keys_[position_]));
    if (!update.step())
        throw Error("cannot store the row: it is no longer in the table" + context());
    std::copy(buffer_.begin(), buffer_.end(), cells_.begin() + position_ * columns_);
    takeStoredRow(update, position_);
}

// The row as the database stored it, delivered by the writing statement itself: its new ID,
// defaults, and numbers made from text. The statement is then run to its end.
void Recordset::takeStoredRow(detail::Statement& written, qsizetype row)
{
    const int columns = std::min(columns_, written.columnCount());
    for (int c = 0; c < columns; ++c)
        cells_[row * columns_ + c] = written.column(c);
    while (written.step()) {
    }
}

void Recordset::Delete()
{
    requireOpen("delete a row");
    requireChangeable();
    if (pending_ == Pending::Adding) {
        CancelUpdate();
        return;
    }
    requireRow("delete", -1);
    CancelUpdate();
    {
        detail::Statement remove = session_->cached("delete from " + table_ + " where rowid=?");
        remove.bind(1, Variant(keys_[position_]));
        remove.step();
    }
    if (session_->changes() == 0)
        throw Error("cannot delete the row: it is no longer in the table" + context());
    deleted_[position_] = true;
    --live_;
}

} // namespace platform
