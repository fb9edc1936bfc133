#include "FakeDialogs.h"

#include <gtest/gtest.h>

namespace {
const char* kindName(FakeDialogs::Kind kind)
{
    switch (kind) {
    case FakeDialogs::Kind::Message:
        return "message box";
    case FakeDialogs::Kind::Input:
        return "input box";
    case FakeDialogs::Kind::OpenFile:
        return "file chooser";
    }
    return "box";
}
} // namespace

FakeDialogs::~FakeDialogs()
{
    for (const Queued& q : queue_)
        ADD_FAILURE() << "expected " << kindName(q.kind) << " never shown: " << q.expected.toStdString();
}

FakeDialogs& FakeDialogs::answer(ui::Answer a, const QString& text)
{
    queue_.push_back({Kind::Message, a, {}, text});
    return *this;
}

FakeDialogs& FakeDialogs::type(const QString& typed, const QString& prompt)
{
    queue_.push_back({Kind::Input, ui::Answer::Ok, typed, prompt});
    return *this;
}

FakeDialogs& FakeDialogs::choose(const QString& file)
{
    queue_.push_back({Kind::OpenFile, ui::Answer::Ok, file, {}});
    return *this;
}

const FakeDialogs::Box& FakeDialogs::last() const
{
    static const Box none;
    if (shown_.empty()) {
        ADD_FAILURE() << "no box was shown";
        return none;
    }
    return shown_.back();
}

std::optional<FakeDialogs::Queued> FakeDialogs::next(Kind kind, const QString& shown)
{
    if (queue_.empty() || queue_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << shown.toStdString();
        return std::nullopt;
    }
    Queued q = queue_.front();
    queue_.pop_front();
    if (!q.expected.isEmpty()) {
        EXPECT_EQ(shown.toStdString(), q.expected.toStdString()) << "in a " << kindName(kind);
    }
    return q;
}

ui::Answer FakeDialogs::message(const ui::Message& m)
{
    shown_.push_back({Kind::Message, m.text, m.title, m.buttons, m.icon, m.defaultButton, {}});
    const auto q = next(Kind::Message, m.text);
    if (q)
        return q->answer;
    // Nobody expected this box: take the answer that changes the least.
    switch (m.buttons) {
    case ui::Buttons::Ok:
        return ui::Answer::Ok;
    case ui::Buttons::YesNo:
        return ui::Answer::No;
    default:
        return ui::Answer::Cancel;
    }
}

QString FakeDialogs::input(const QString& prompt, const ui::Title& title, const QString& defaultAnswer)
{
    shown_.push_back({Kind::Input, prompt, title, ui::Buttons::OkCancel, ui::Icon::None, {}, defaultAnswer});
    const auto q = next(Kind::Input, prompt);
    return q ? q->typed : QString();
}

QString FakeDialogs::openFile(const QString& title, const QString& filter)
{
    shown_.push_back({Kind::OpenFile, title, ui::Title::own(title), ui::Buttons::OkCancel, ui::Icon::None, {}, filter});
    const auto q = next(Kind::OpenFile, title);
    return q ? q->typed : QString();
}
