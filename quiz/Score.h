#pragma once

#include "quiz/Question.h"

#include <QString>

#include <functional>
#include <optional>

// The score: the right answers since the last play. The score window shows
// it, the board's buttons and the score window tell a screen reader it, and
// the tally reads it; none of them holds a copy.
class Score
{
public:
    // 0 before the first play too.
    int value() const { return m_value.value_or(0); }
    // Play sets 0, a right answer one more.
    void set(int value)
    {
        if (m_value == value)
            return;
        m_value = value;
        if (changed)
            changed();
    }

    // As the score window shows it: nothing before the first play, "0" from
    // play, then " 1", " 2", ... after each right answer.
    QString shown() const
    {
        if (!m_value)
            return {};
        return *m_value == 0 ? QStringLiteral("0") : text(*m_value);
    }
    // As a screen reader says it: "Score: 3 of 14".
    QString spoken() const { return QStringLiteral("Score: %1 of %2").arg(value()).arg(questions::kCount); }
    // The number after one blank, as a right answer writes it and the award says it: " 12".
    static QString text(int value) { return ' ' + QString::number(value); }

    // Called after every change, for whoever shows the score.
    std::function<void()> changed;

private:
    std::optional<int> m_value;
};
