#pragma once

#include <QString>
#include <QStringView>

// The score has no store of its own: it is the text of the score window's
// label, "0" after play and " 1", " 2", ... after each right answer.
namespace score {

// The value of the text's leading number: leading blanks skipped, an optional
// sign, digits with an optional fraction, rounded down. Empty or non-numeric
// text reads as 0. Never fails, whatever the text.
double read(QStringView text);

// A score as the label shows it after a right answer: the whole number with
// one leading blank (" 12"), or its minus sign in that place.
QString text(double value);

} // namespace score
