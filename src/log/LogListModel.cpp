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
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        // The blanks that pad the comment would only widen the row and draw nothing.
        qsizetype end = line.text.size();
        while (end > 0 && line.text[end - 1] == u' ')
            --end;
        return line.text.left(end);
    }
    if (role == Qt::UserRole)
        return line.record;
    return {};
}

} // namespace shoplog
