#pragma once

#include "ui/Dialogs.h"

#include <deque>
#include <optional>
#include <ostream>
#include <vector>

// Answers the program's boxes from a queue and records every box it was asked to show.
// A box nobody queued an answer for fails the test; so does a queued answer left unused.
// Where a text or a title is queued with the answer, the box must show exactly that.
class FakeDialogs : public ui::Dialogs
{
public:
    enum class Kind { Message, Input, OpenFile };
    using Title = std::optional<ui::Title>;

    struct Box
    {
        Kind kind = Kind::Message;
        QString text; // message text, input prompt, or chooser title
        ui::Title title;
        ui::Buttons buttons = ui::Buttons::Ok;
        ui::Icon icon = ui::Icon::None;
        std::optional<ui::Answer> defaultButton;
        QString defaultAnswer; // input default, or chooser filter
    };

    ~FakeDialogs() override;

    // Queues the answer to the next message box.
    FakeDialogs& answer(ui::Answer answer, const QString& text = {}, Title title = {});
    FakeDialogs& ok(const QString& text, Title title = {}) { return answer(ui::Answer::Ok, text, title); }
    // Queues what the user types into the next input box (empty for Cancel).
    FakeDialogs& type(const QString& typed, const QString& prompt = {}, Title title = {});
    // Queues the file the user picks in the next chooser (empty for Cancel).
    FakeDialogs& choose(const QString& file);

    const std::vector<Box>& boxes() const { return shown_; }
    const Box& last() const;

    ui::Answer message(const ui::Message& message) override;
    QString input(const QString& prompt, const ui::Title& title, const QString& defaultAnswer) override;
    QString openFile(const QString& title, const QString& filter) override;

private:
    struct Queued
    {
        Kind kind;
        ui::Answer answer = ui::Answer::Ok;
        QString typed;
        QString expected;
        Title title;
    };
    std::optional<Queued> next(const Box& shown);

    std::deque<Queued> queue_;
    std::vector<Box> shown_;
};

namespace ui {
inline void PrintTo(const Title& t, std::ostream* os)
{
    *os << "Title(" << int(t.kind) << ", \"" << t.text.toStdString() << "\")";
}
} // namespace ui
