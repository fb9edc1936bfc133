#include "LogListModel.h"

namespace shoplog {

void LogListModel::setLines(std::vector<LogLine> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LogLine& line = lines_[size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return line.text;
    if (role == Qt::UserRole)
        return line.record;
    return {};
}

} // namespace shoplog
