#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message to the player goes through here: a modal box with an OK button
// alone, no icon and a plain-text prompt. A box given no title bears the
// application's name.
class MessageBox
{
public:
    // Receives the prompt and the title a box would show, instead of showing it.
    using Handler = std::function<void(const QString &prompt, const QString &title)>;

    // Shows the box modal to the whole application and returns once it is
    // closed. The box belongs to `owner`, the window it is raised from (by
    // default the active one), so that a compositor stacks and focuses it
    // with that window.
    static void show(const QString &prompt, const QString &title = QString(), QWidget *owner = nullptr);

    // Gives each box its prompt as its accessible text, which every screen
    // reader reads whole, however short.
    static void installAccessibleText();

    // Routes every box to `handler` (tests record and answer them); an empty
    // handler brings the real box back.
    static void setHandler(Handler handler);
};
