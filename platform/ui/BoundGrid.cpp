#include "platform/ui/BoundGrid.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "platform/ui/Keys.h"

namespace r78::ui {

void RecordsetModel::SetRecordset(db::Recordset rs) {
    beginResetModel();
    rs_ = std::move(rs);
    captions_.assign(static_cast<size_t>(rs_.FieldCount()), QString());
    for (int i = 0; i < rs_.FieldCount(); ++i) captions_[i] = QString::fromStdString(rs_.FieldName(i));
    endResetModel();
}

void RecordsetModel::SetCaption(int column, const QString& caption) {
    if (column < 0 || column >= static_cast<int>(captions_.size())) return;
    captions_[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rs_.RecordCount());
}

int RecordsetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rs_.FieldCount(); }

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return QString::fromStdString(rs_.Row(index.row())[index.column()].Text());
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < static_cast<int>(captions_.size()) ? QVariant(captions_[section]) : QVariant();
}

BoundGrid::BoundGrid(QWidget* parent) : QWidget(parent) {
    caption_ = new QLabel(this);
    QFont f = caption_->font();
    f.setBold(true);
    caption_->setFont(f);
    caption_->setAlignment(Qt::AlignCenter);
    view_ = new QTableView(this);
    model_ = new RecordsetModel(this);
    view_->setModel(model_);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view_->verticalHeader()->setDefaultSectionSize(22);
    recordCaption_ = new QLabel(this);
    recordCaption_->setFrameShape(QFrame::Panel);
    recordCaption_->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption_);
    layout->addWidget(view_, 1);
    layout->addWidget(recordCaption_);
}

bool BoundGrid::SetRecordSource(db::Connection& conn, const std::string& sql, const db::Params& params) {
    db::Recordset rs;
    try {
        rs = conn.Query(sql, params);
    } catch (const std::exception& e) {
        if (onError) onError(e.what());
        return false;
    }
    model_->SetRecordset(std::move(rs));
    for (int c = 0; c < ColumnCount(); ++c) view_->setColumnHidden(c, false);
    if (RecordCount() > 0) view_->setCurrentIndex(model_->index(0, 0));
    return true;
}

std::string BoundGrid::DataField(int column) const {
    return column >= 0 && column < ColumnCount() ? model_->Records().FieldName(column) : std::string();
}

void BoundGrid::SetColumnCaption(int column, const QString& caption) { model_->SetCaption(column, caption); }

QString BoundGrid::ColumnCaption(int column) const {
    return model_->headerData(column, Qt::Horizontal).toString();
}

void BoundGrid::SetColumnVisible(int column, bool visible) { view_->setColumnHidden(column, !visible); }

bool BoundGrid::ColumnVisible(int column) const { return !view_->isColumnHidden(column); }

void BoundGrid::SetColumnWidthTwips(int column, int twips) { view_->setColumnWidth(column, TwipsToPixels(twips)); }

int BoundGrid::ColumnWidthTwips(int column) const { return view_->columnWidth(column) * 15; }

int BoundGrid::CurrentRow() const { return RecordCount() == 0 ? -1 : std::max(0, view_->currentIndex().row()); }

int BoundGrid::CurrentColumn() const { return view_->currentIndex().column(); }

void BoundGrid::SetCurrentColumn(int column) {
    if (RecordCount() == 0 || column < 0 || column >= ColumnCount()) return;
    view_->setCurrentIndex(model_->index(std::max(0, view_->currentIndex().row()), column));
}

}  // namespace r78::ui
