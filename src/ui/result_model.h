// The rows of the result list: number and target path, appended in batches
// so that a job of 100,000 files stays fast.
#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace vorlith::ui {

class ResultModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Queues a row; it shows once `Publish` runs. Texts are UTF-8 bytes.
    void Append(std::string number, std::string path);
    // Makes every queued row visible to the views.
    void Publish();
    void Clear();
    // Rows including the queued ones.
    int TotalRows() const { return static_cast<int>(rows_.size()); }
    const std::string& Cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        std::string number;
        std::string path;
    };
    std::vector<Row> rows_;
    int published_ = 0;  // rows the views know of
};

}  // namespace vorlith::ui
