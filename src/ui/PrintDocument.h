#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace ui {

// A printout as the rules compose it: lines made of runs of text, tabs to character
// columns and font changes, an optional page heading and explicit page breaks. The printer
// lays it out: a line that would pass the bottom margin continues on a new page, which
// begins with the heading. QtCore only, so rules can build it.
class PrintDocument
{
public:
    struct Op
    {
        enum class Kind { Font, Text, Tab, EndLine, NewPage, HeadingBegin, HeadingEnd, PageLines };
        Kind kind = Kind::Text;
        QString text;      // Text: the run; Font: the family
        double size = 0;   // Font: points
        bool bold = false; // Font
        int column = 0;    // Tab: character column from the left margin, from 0;
                           // PageLines: the most lines a page holds below the heading, 0 for no limit
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
    // font). Past that column already, the next text follows one blank after, so that a
    // long field never pushes the rest of its line onto a line of its own.
    PrintDocument& tab(int column);
    // Ends the current line; with nothing written on it, this is an empty line.
    PrintDocument& endLine();
    PrintDocument& line(const QString& run) { return text(run).endLine(); }
    PrintDocument& newPage();
    // What follows up to endHeading() is the page heading: printed here, and again at the
    // top of every page begun after it, starting in the font in effect here. Text after the
    // heading keeps its own font across a page break.
    PrintDocument& beginHeading();
    PrintDocument& endHeading();
    // From here on, a page holds at most that many lines below its heading (lines of the
    // document; one the printer breaks at the right margin counts once); 0: as many as fit.
    // A page is begun only for a line that has text or follows an explicit newPage(), so
    // empty lines at the foot of a page never make a page of their own.
    PrintDocument& pageLines(int lines);
    // Room for that many more operations, for a document built from many records.
    void reserve(size_t more) { ops_.reserve(ops_.size() + more); }

    const QString& name() const { return name_; }
    const std::vector<Op>& ops() const { return ops_; }
    bool isEmpty() const { return ops_.empty(); }

    // The document as plain lines, for checking a layout: a tab pads with blanks up to its
    // column (counted in characters; one blank when the column is passed), a font switch
    // reads "{Family 12 bold}" where it happens, a page break is a line "<new page>" followed
    // by the heading again. Pages break only where the document says (newPage(), the
    // lines a page holds); lines are never broken. A last line left open is included.
    QStringList asText() const;

private:
    QString name_;
    std::vector<Op> ops_;
};

} // namespace ui
