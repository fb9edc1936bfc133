#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace ui {

// A printout as the rules compose it: lines made of runs of text, tabs to character
// columns and font changes, with explicit page breaks. The printer lays it out; a line that
// would pass the bottom margin continues on a new page. QtCore only, so rules can build it.
class PrintDocument
{
public:
    struct Op
    {
        enum class Kind { Font, Text, Tab, EndLine, NewPage };
        Kind kind = Kind::Text;
        QString text;      // Text: the run; Font: the family
        double size = 0;   // Font: points
        bool bold = false; // Font
        int column = 0;    // Tab: character column from the left margin, from 0
        bool operator==(const Op&) const = default;
    };

    // name: what the printout is called ("Shopping List"); a printout saved as a file is
    // named after it.
    explicit PrintDocument(QString name = {})
        : name_(std::move(name))
    {
    }

    // Switches the font for what follows, until the next switch.
    PrintDocument& font(const QString& family, double points, bool bold = false);
    PrintDocument& text(const QString& run);
    // Moves to character column n (n times the average character width of the current
    // font); a column already passed starts a new line first, as the old printers did.
    PrintDocument& tab(int column);
    // Ends the current line; with nothing written on it, this is an empty line.
    PrintDocument& endLine();
    PrintDocument& line(const QString& run) { return text(run).endLine(); }
    PrintDocument& newPage();

    const QString& name() const { return name_; }
    const std::vector<Op>& ops() const { return ops_; }
    bool isEmpty() const { return ops_.empty(); }

    // The document as plain lines, for checking a layout: a tab pads with blanks up to its
    // column (counted in characters), a font switch reads "{Family 12 bold}" where it
    // happens, a page break is a line "<new page>". A last line left open is included.
    QStringList asText() const;

private:
    QString name_;
    std::vector<Op> ops_;
};

} // namespace ui
