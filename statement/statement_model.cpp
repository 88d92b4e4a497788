// The statement's table model, its totals model and the undo commands behind every change.
#include "statement/statement_model.h"

#include "calc/materials.h"
#include "calc/number_rules.h"

#include <QUndoCommand>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

class AddCommand : public QUndoCommand {
public:
    AddCommand(StatementModel *model, StatementPosition position)
        : QUndoCommand(u"Добавление позиции"_s)
        , m_model(model)
        , m_position(std::move(position))
        , m_row(model->rowCount())
    {
    }
    void redo() override { m_model->insertPosition(m_row, m_position); }
    void undo() override { m_model->takePosition(m_row); }

private:
    StatementModel *m_model;
    StatementPosition m_position;
    int m_row;
};

class RemoveCommand : public QUndoCommand {
public:
    RemoveCommand(StatementModel *model, QList<int> rows)
        : QUndoCommand(u"Удаление позиции"_s)
        , m_model(model)
        , m_rows(std::move(rows))
    {
        std::sort(m_rows.begin(), m_rows.end());
        m_rows.erase(std::unique(m_rows.begin(), m_rows.end()), m_rows.end());
    }
    void redo() override
    {
        m_taken.clear();
        for (auto it = m_rows.crbegin(); it != m_rows.crend(); ++it)
            m_taken.prepend(m_model->takePosition(*it));
    }
    void undo() override
    {
        for (qsizetype i = 0; i < m_rows.size(); ++i)
            m_model->insertPosition(m_rows[i], m_taken[i]);
    }

private:
    StatementModel *m_model;
    QList<int> m_rows; // ascending
    QList<StatementPosition> m_taken;
};

// An edit of one position's name or count: the new and the previous value, and how either is
// put in place.
template <typename Value> class EditCommand : public QUndoCommand {
public:
    EditCommand(
        const QString &text, Value value, Value previous, std::function<void(const Value &)> apply)
        : QUndoCommand(text)
        , m_value(std::move(value))
        , m_previous(std::move(previous))
        , m_apply(std::move(apply))
    {
    }
    void redo() override { m_apply(m_value); }
    void undo() override { m_apply(m_previous); }

private:
    Value m_value, m_previous;
    std::function<void(const Value &)> m_apply;
};

} // namespace

StatementModel::StatementModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_separator(decimalSeparator())
{
}

void StatementModel::addPosition(const Calculation &calculation)
{
    m_undo.push(new AddCommand(this, StatementPosition { calculation, QString(), 1 }));
}

void StatementModel::removePositions(QList<int> rows)
{
    rows.removeIf([this](int r) { return r < 0 || r >= rowCount(); });
    if (!rows.isEmpty())
        m_undo.push(new RemoveCommand(this, std::move(rows)));
}

void StatementModel::resetColumns()
{
    m_materials = m_statement.usedMaterials();
}

void StatementModel::insertPosition(int row, StatementPosition position)
{
    beginInsertRows({}, row, row);
    m_statement.insert(row, std::move(position));
    endInsertRows();
    if (materialColumnsChanged()) {
        beginResetModel();
        resetColumns();
        endResetModel();
    }
    emit statementChanged();
}

StatementPosition StatementModel::takePosition(int row)
{
    beginRemoveRows({}, row, row);
    StatementPosition p = m_statement.take(row);
    endRemoveRows();
    if (materialColumnsChanged()) {
        beginResetModel();
        resetColumns();
        endResetModel();
    } else if (row < rowCount()) {
        // The numbers of the rows below change.
        emit dataChanged(index(row, Number), index(rowCount() - 1, Number));
    }
    emit statementChanged();
    return p;
}

void StatementModel::changeName(int row, const QString &name)
{
    m_statement.setName(row, name);
    emit dataChanged(index(row, Name), index(row, Name));
    emit statementChanged();
}

void StatementModel::changeCount(int row, int count)
{
    m_statement.setCount(row, count);
    emit dataChanged(index(row, Count), index(row, columnCount() - 1));
    emit statementChanged();
}

int StatementModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_statement.size();
}

int StatementModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstMaterial + static_cast<int>(m_materials.size());
}

QVariant StatementModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const StatementPosition &p = m_statement.at(row);
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        const bool number = column == Number || column == Count || column >= WorkQuantity;
        return QVariant::fromValue(Qt::Alignment(
            number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter));
    }
    if (role == Qt::ToolTipRole && column == Inputs) {
        QStringList lines;
        for (const CalculationInput &in : p.calculation.inputs)
            lines << in.caption + u": "_s + in.text;
        return lines.join(u'\n');
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (column) {
    case Number:
        return QString::number(row + 1);
    case Work:
        return p.calculation.work;
    case Name:
        return p.name;
    case Inputs:
        return p.calculation.summary;
    case Count:
        return role == Qt::EditRole ? QVariant(p.count) : QVariant(QString::number(p.count));
    case WorkQuantity: {
        const MaterialQuantity q = m_statement.workQuantity(row, m_separator);
        const CalculationResult *w = p.calculation.workQuantity();
        return q.text.isEmpty() || !w ? QString() : q.text + u' ' + w->unit;
    }
    default:
        return m_statement.quantity(row, m_materials.at(column - FirstMaterial), m_separator).text;
    }
}

QVariant StatementModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::number(section + 1);
    switch (section) {
    case Number:
        return u"№"_s;
    case Work:
        return u"Работа"_s;
    case Name:
        return u"Наименование"_s;
    case Inputs:
        return u"Исходные данные"_s;
    case Count:
        return u"Количество"_s;
    case WorkQuantity:
        return u"Объем работ"_s;
    default: {
        const Material &m = materials()[m_materials.at(section - FirstMaterial)];
        return QString::fromUtf16(m.name) + u", "_s + QString::fromUtf16(m.unit);
    }
    }
}

Qt::ItemFlags StatementModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Name || index.column() == Count)
        f |= Qt::ItemIsEditable;
    return f;
}

bool StatementModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const StatementPosition &p = m_statement.at(index.row());
    if (index.column() == Name) {
        const QString name = value.toString();
        const int row = index.row();
        if (name != p.name)
            m_undo.push(new EditCommand<QString>(u"Изменение наименования"_s, name, p.name,
                [this, row](const QString &value) { changeName(row, value); }));
        return true;
    }
    if (index.column() == Count) {
        bool ok = false;
        const int count = value.toInt(&ok);
        if (!ok || count < 1)
            return false; // a count is a whole number of pieces, at least one
        const int row = index.row();
        if (count != p.count)
            m_undo.push(new EditCommand<int>(u"Изменение количества"_s, count, p.count,
                [this, row](const int &value) { changeCount(row, value); }));
        return true;
    }
    return false;
}

TotalsModel::TotalsModel(StatementModel *statement, QObject *parent)
    : QAbstractTableModel(parent)
    , m_statement(statement)
{
    connect(statement, &StatementModel::statementChanged, this, &TotalsModel::refresh);
    refresh();
}

void TotalsModel::refresh()
{
    beginResetModel();
    m_totals = m_statement->statement().totals(decimalSeparator());
    endResetModel();
}

int TotalsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_totals.size());
}

int TotalsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant TotalsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const MaterialQuantity &t = m_totals.at(static_cast<std::size_t>(index.row()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::Alignment(index.column() == 2 ? Qt::AlignRight | Qt::AlignVCenter
                                              : Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    const Material &m = materials()[t.material];
    switch (index.column()) {
    case 0:
        return QString::fromUtf16(m.name);
    case 1:
        return QString::fromUtf16(m.unit);
    default:
        return t.text;
    }
}

QVariant TotalsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::number(section + 1);
    const QString headers[] = { u"Материал"_s, u"Ед. изм."_s, u"Итого"_s };
    return headers[std::clamp(section, 0, 2)];
}
