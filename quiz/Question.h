#pragma once

// What a question is: the texts its window shows and where, its answer boxes
// with their keyword rules, and its verdict messages. The questions themselves
// are data, in QuestionBank.h.

#include <QString>
#include <QStringList>

#include <vector>

namespace questions {

// How many questions the game has: the board's buttons, the attempted flags
// and the question windows all follow this.
inline constexpr int kCount = 14;

// A rectangle of a window's layout, in twips.
struct Rect
{
    int left, top, width, height;
};

// One term of a rule: true when any of its keywords occurs in the answer.
// Keywords are stored lower case; blanks and periods inside them count.
struct Term
{
    std::vector<const char *> anyOf;
};

// A box's rule holds when every one of its terms does.
using Rule = std::vector<Term>;

// A text the window shows, with its placement.
struct Text
{
    const char *name;
    QString text;
    Rect rect;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

struct AnswerBox
{
    const char *name;
    Rule rule;
    Rect rect;
    int tabIndex;
    // What belongs in the box: the label beside it, or the window's instruction line.
    const char *labelName;
};

struct Question
{
    int number;
    int clientWidth, clientHeight;
    std::vector<Text> texts;
    std::vector<AnswerBox> boxes;
    Rect done;
    int doneTabIndex;
    QString rightMessage;
    QString wrongMessage;
    // Question 1 counts as attempted as soon as its window is made.
    bool attemptedWhenOpened = false;
};

// Whether one box's rule holds on what the player typed: the text is lower-cased
// as a whole, then each keyword is searched for anywhere in it.
bool holds(const Rule &rule, const QString &typed);

// The verdict: right only when the rule of every box holds on that box's text
// (`answers` in box order).
bool judge(const Question &question, const QStringList &answers);

} // namespace questions
