#pragma once

#include "LogRules.h"

#include <QAbstractListModel>

namespace shoplog {

// The lines of the Expense Log; each row knows its entry's record number.
class LogListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every line at once.
    void setLines(std::vector<LogLine> lines);
    const std::vector<LogLine>& lines() const { return lines_; }
    int recordAt(int row) const { return lines_[size_t(row)].record; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<LogLine> lines_;
};

} // namespace shoplog
