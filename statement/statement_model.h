// The statement as a table model for the statement window: one row per position, columns №,
// work, name, inputs, count, the work's quantity and one per material used. Name and count are
// edited in place; adding, deleting and editing go through an undo stack.
#pragma once

#include "statement/statement.h"

#include <QAbstractTableModel>
#include <QUndoStack>

class StatementModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Work, Name, Inputs, Count, WorkQuantity, FirstMaterial };

    explicit StatementModel(QObject *parent = nullptr);

    const Statement &statement() const { return m_statement; }
    QUndoStack *undoStack() { return &m_undo; }
    // The materials of the columns from FirstMaterial on, as indices into materials().
    const std::vector<int> &materialColumns() const { return m_materials; }

    // Adds the calculation as a new last position (count 1, no name); undoable.
    void addPosition(const Calculation &calculation);
    // Deletes the positions of these rows; one undo step brings them all back.
    void removePositions(QList<int> rows);

    // Changes since the last export, in a statement that has positions.
    bool hasUnsavedChanges() const { return !m_undo.isClean() && !m_statement.isEmpty(); }
    void markSaved() { m_undo.setClean(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The steps the undo commands take, each announcing its change to the views.
    void insertPosition(int row, StatementPosition position);
    StatementPosition takePosition(int row);
    void changeName(int row, const QString &name);
    void changeCount(int row, int count);

signals:
    // Any change of positions, names or counts: the totals follow it.
    void statementChanged();

private:
    // Material columns follow the materials used; a change of them resets the model.
    bool materialColumnsChanged() const { return m_statement.usedMaterials() != m_materials; }
    void resetColumns();

    Statement m_statement;
    std::vector<int> m_materials;
    QUndoStack m_undo;
    QChar m_separator;
};

// The totals by material, recomputed whenever the statement changes: material, unit, quantity.
class TotalsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TotalsModel(StatementModel *statement, QObject *parent = nullptr);

    const std::vector<MaterialQuantity> &totals() const { return m_totals; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void refresh();

    StatementModel *m_statement;
    std::vector<MaterialQuantity> m_totals;
};
