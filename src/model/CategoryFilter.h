#pragma once

#include <QString>

#include <optional>

namespace model {

// Which products the Product List shows by category: all of them, or those of one category
// (compared upper-cased and trimmed, as the category box lists it).
class CategoryFilter
{
public:
    static CategoryFilter all() { return {}; }
    static CategoryFilter only(const QString& category)
    {
        CategoryFilter filter;
        filter.category_ = category;
        return filter;
    }

    bool isAll() const { return !category_.has_value(); }
    // The category viewed; empty while all are shown.
    QString category() const { return category_.value_or(QString()); }
    // How the list's caption and printout name what is shown: "All" or the category.
    QString shownAs() const { return category_.value_or(QStringLiteral("All")); }

    bool operator==(const CategoryFilter&) const = default;

private:
    std::optional<QString> category_;
};

} // namespace model
