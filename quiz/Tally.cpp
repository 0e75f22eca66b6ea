#include "quiz/Tally.h"

#include "platform/MessageBox.h"
#include "quiz/Score.h"

namespace tally {

Prize prizeFor(int score)
{
    if (score == 10 || score == 11)
        return Prize::Animation;
    if (score == 12 || score == 13)
        return Prize::Browser;
    if (score == 14)
        return Prize::GrandPrize;
    return Prize::None;
}

QString awardMessage(int score)
{
    return "You got " + Score::text(score) + " questions right!  Now for your prize...";
}

void award(int score, QWidget *board, const std::function<void(Prize)> &open)
{
    const Prize prize = prizeFor(score);
    if (prize == Prize::None) {
        MessageBox::show("You didn't get enough questions right to win a prize.  Try again some other time.", "Sorry",
                         board);
        return;
    }
    MessageBox::show(awardMessage(score), "Way to go!", board);
    open(prize);
}

} // namespace tally
