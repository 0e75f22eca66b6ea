#pragma once

#include "quiz/Question.h"

#include <array>
#include <functional>

// The game's state is the attempted flags and the score (quiz/Score.h), each
// a value that tells its one listener of every change.

// One attempted flag per question (q1done ... q14done). They belong to the
// main window's object rather than to its on-screen part, so they outlive its
// close box; only the main window's load step clears them.
class AttemptedFlags
{
public:
    // `question` runs from 1 to questions::kCount.
    bool isSet(int question) const { return m_done.at(question - 1); }
    void set(int question)
    {
        m_done.at(question - 1) = true;
        announce();
    }
    void clearAll()
    {
        m_done.fill(false);
        announce();
    }

    // Called after every change, for whoever shows the flags.
    std::function<void()> changed;

private:
    void announce()
    {
        if (changed)
            changed();
    }

    std::array<bool, questions::kCount> m_done{};
};
