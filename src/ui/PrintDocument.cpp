#include "PrintDocument.h"

namespace ui {

PrintDocument& PrintDocument::font(const QString& family, double points, bool bold)
{
    ops_.push_back({Op::Kind::Font, family, points, bold, 0});
    return *this;
}

PrintDocument& PrintDocument::text(const QString& run)
{
    ops_.push_back({Op::Kind::Text, run, 0, false, 0});
    return *this;
}

PrintDocument& PrintDocument::tab(int column)
{
    ops_.push_back({Op::Kind::Tab, {}, 0, false, column});
    return *this;
}

PrintDocument& PrintDocument::endLine()
{
    ops_.push_back({Op::Kind::EndLine, {}, 0, false, 0});
    return *this;
}

PrintDocument& PrintDocument::newPage()
{
    ops_.push_back({Op::Kind::NewPage, {}, 0, false, 0});
    return *this;
}

QStringList PrintDocument::asText() const
{
    QStringList lines;
    QString current;
    qsizetype width = 0; // characters of printed text on the current line
    bool open = false;
    for (const Op& op : ops_) {
        switch (op.kind) {
        case Op::Kind::Font:
            current += QStringLiteral("{%1 %2%3}").arg(op.text).arg(op.size).arg(op.bold ? " bold" : "");
            open = true;
            break;
        case Op::Kind::Text:
            current += op.text;
            width += op.text.size();
            open = true;
            break;
        case Op::Kind::Tab:
            if (width > op.column) {
                lines.append(current);
                current.clear();
                width = 0;
            }
            current += QString(op.column - width, u' ');
            width = op.column;
            open = true;
            break;
        case Op::Kind::EndLine:
            lines.append(current);
            current.clear();
            width = 0;
            open = false;
            break;
        case Op::Kind::NewPage:
            if (open)
                lines.append(current);
            current.clear();
            width = 0;
            open = false;
            lines.append(QStringLiteral("<new page>"));
            break;
        }
    }
    if (open)
        lines.append(current);
    return lines;
}

} // namespace ui
