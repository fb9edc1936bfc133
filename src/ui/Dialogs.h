#pragma once

#include "data/FileResult.h"

#include <QString>

#include <optional>

namespace ui {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Exclamation, Question, Information, Critical };
enum class Answer { Ok, Cancel, Yes, No };

// A box's title: the application's title "PANTRIX" unless told otherwise. An explicitly
// empty title shows no title text at all.
struct Title
{
    enum class Kind { Application, Empty, Own } kind = Kind::Application;
    QString text;

    static Title application() { return {}; }
    static Title none() { return {Kind::Empty, {}}; }
    static Title own(const QString& text) { return {Kind::Own, text}; }
    // The text the title bar shows.
    QString shown() const;
    bool operator==(const Title&) const = default;
};

inline const QString kApplicationTitle = QStringLiteral("PANTRIX");

struct Message
{
    QString text;
    Title title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    // The button that Enter presses; empty for the first one.
    std::optional<Answer> defaultButton;
};

// The modal boxes the program asks and tells through. Line breaks in texts are "\r\n".
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual Answer message(const Message& message) = 0;
    // The typed answer; an empty text when the user cancels.
    virtual QString input(const QString& prompt, const Title& title, const QString& defaultAnswer) = 0;
    // The chosen file's path, or empty. The filter reads "Description|*.ext".
    virtual QString openFile(const QString& title, const QString& filter) = 0;

    // Shorthands for the common boxes.
    void tell(const QString& text, const Title& title = Title::application(), Icon icon = Icon::None)
    {
        message({text, title, Buttons::Ok, icon, {}});
    }
    Answer ask(const QString& text, const Title& title, Buttons buttons, Icon icon,
               std::optional<Answer> defaultButton = {})
    {
        return message({text, title, buttons, icon, defaultButton});
    }
    // Shows a file-system failure, which names the file; returns true when there was one.
    bool reportFailure(const data::FileResult& result)
    {
        if (result)
            return false;
        tell(result.error, Title::application(), Icon::Critical);
        return true;
    }
};

} // namespace ui
