#pragma once
#include <QAbstractTableModel>
#include <QLabel>
#include <QTableView>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

namespace r78::ui {

// The rows of a record source, as a grid shows them. Column captions may hold
// line breaks; a Null cell shows as empty.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRecordset(db::Recordset rs);
    const db::Recordset& Records() const { return rs_; }
    void SetCaption(int column, const QString& caption);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    db::Recordset rs_;
    std::vector<QString> captions_;
};

// A data grid bound to a record source on a connection, with its caption (the
// title line above the rows) and its data control's caption (the record
// position, below). Reading only: the editing grid of the block screens builds on it.
class BoundGrid : public QWidget {
    Q_OBJECT
public:
    explicit BoundGrid(QWidget* parent = nullptr);

    // Runs the statement on the connection and shows its rows. A failure goes to
    // the error handler and leaves the grid as it was; returns false then.
    bool SetRecordSource(db::Connection& conn, const std::string& sql, const db::Params& params = {});
    const db::Recordset& Records() const { return model_->Records(); }
    int RecordCount() const { return static_cast<int>(model_->Records().RecordCount()); }

    int ColumnCount() const { return model_->columnCount(); }
    // The field name of a column of the record source.
    std::string DataField(int column) const;
    void SetColumnCaption(int column, const QString& caption);
    QString ColumnCaption(int column) const;
    void SetColumnVisible(int column, bool visible);
    bool ColumnVisible(int column) const;
    void SetColumnWidthTwips(int column, int twips);
    int ColumnWidthTwips(int column) const;

    // Current cell, counted from 0; row -1 when the grid has no rows.
    int CurrentRow() const;
    int CurrentColumn() const;
    void SetCurrentColumn(int column);

    void SetCaption(const QString& caption) { caption_->setText(caption); }
    QString Caption() const { return caption_->text(); }
    void SetRecordCaption(const QString& caption) { recordCaption_->setText(caption); }
    QString RecordCaption() const { return recordCaption_->text(); }

    QTableView* View() const { return view_; }

    // The error event: what the data source or the grid could not do.
    std::function<void(const std::string& description)> onError;

private:
    QLabel* caption_;
    QTableView* view_;
    QLabel* recordCaption_;
    RecordsetModel* model_;
};

}  // namespace r78::ui
