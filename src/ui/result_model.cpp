#include "result_model.h"

#include "qt_text.h"

namespace vorlith::ui {

void ResultModel::Append(std::string number, std::string path) { rows_.push_back({std::move(number), std::move(path)}); }

void ResultModel::Publish() {
    const int total = TotalRows();
    if (total == published_) return;
    beginInsertRows({}, published_, total - 1);
    published_ = total;
    endInsertRows();
}

void ResultModel::Clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    published_ = 0;
    endResetModel();
}

const std::string& ResultModel::Cell(int row, int column) const {
    const Row& r = rows_.at(static_cast<size_t>(row));
    return column == 0 ? r.number : r.path;
}

int ResultModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : published_; }

int ResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= published_) return {};
    if (role == Qt::DisplayRole) return ToQString(Cell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return section == 0 ? QStringLiteral("序号") : QStringLiteral("图片地址");
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

}  // namespace vorlith::ui
