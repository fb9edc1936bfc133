#include "FakeDialogs.h"

#include <gtest/gtest.h>

namespace {
const char* kindName(FakeDialogs::Kind kind)
{
    static const char* const names[] = {"message box", "input box", "file chooser"};
    return names[int(kind)];
}
} // namespace

FakeDialogs::~FakeDialogs()
{
    for (const Queued& q : queue_)
        ADD_FAILURE() << "expected " << kindName(q.kind) << " never shown: " << q.expected.toStdString();
}

FakeDialogs& FakeDialogs::answer(ui::Answer a, const QString& text, Title title)
{
    queue_.push_back({Kind::Message, a, {}, text, title});
    return *this;
}

FakeDialogs& FakeDialogs::type(const QString& typed, const QString& prompt, Title title)
{
    queue_.push_back({Kind::Input, ui::Answer::Ok, typed, prompt, title});
    return *this;
}

FakeDialogs& FakeDialogs::choose(const QString& file)
{
    queue_.push_back({Kind::OpenFile, ui::Answer::Ok, file, {}, {}});
    return *this;
}

const FakeDialogs::Box& FakeDialogs::last() const
{
    static const Box none;
    if (shown_.empty())
        ADD_FAILURE() << "no box was shown";
    return shown_.empty() ? none : shown_.back();
}

std::optional<FakeDialogs::Queued> FakeDialogs::next(const Box& shown)
{
    shown_.push_back(shown);
    if (queue_.empty() || queue_.front().kind != shown.kind) {
        ADD_FAILURE() << "unexpected " << kindName(shown.kind) << ": " << shown.text.toStdString();
        return std::nullopt;
    }
    Queued q = queue_.front();
    queue_.pop_front();
    if (!q.expected.isEmpty()) {
        EXPECT_EQ(shown.text.toStdString(), q.expected.toStdString()) << "in a " << kindName(shown.kind);
    }
    if (q.title) {
        EXPECT_EQ(shown.title, *q.title) << "in the " << kindName(shown.kind) << ": " << shown.text.toStdString();
    }
    return q;
}

ui::Answer FakeDialogs::message(const ui::Message& m)
{
    if (const auto q = next({Kind::Message, m.text, m.title, m.buttons, m.icon, m.defaultButton, {}}))
        return q->answer;
    // Nobody expected this box: take the answer that changes the least.
    if (m.buttons == ui::Buttons::Ok)
        return ui::Answer::Ok;
    return m.buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Cancel;
}

QString FakeDialogs::input(const QString& prompt, const ui::Title& title, const QString& defaultAnswer)
{
    const auto q = next({Kind::Input, prompt, title, ui::Buttons::OkCancel, ui::Icon::None, {}, defaultAnswer});
    return q ? q->typed : QString();
}

QString FakeDialogs::openFile(const QString& title, const QString& filter)
{
    const auto q =
        next({Kind::OpenFile, title, ui::Title::own(title), ui::Buttons::OkCancel, ui::Icon::None, {}, filter});
    return q ? q->typed : QString();
}
