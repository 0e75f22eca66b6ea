#include "quiz/Tally.h"

#include "platform/MessageBox.h"
#include "prizes/AnimationPrize.h"
#include "prizes/BrowserPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/Score.h"
#include "quiz/ScoreWindow.h"
#include "shell/Program.h"

namespace tally {

Prize prizeFor(double score)
{
    if (score == 10 || score == 11)
        return Prize::Animation;
    if (score == 12 || score == 13)
        return Prize::Browser;
    if (score == 14)
        return Prize::GrandPrize;
    return Prize::None;
}

QString awardMessage(double score)
{
    return "You got " + score::text(score) + " questions right!  Now for your prize...";
}

void award(Program &program)
{
    const double score = program.scorecard.get()->score();
    const Prize prize = prizeFor(score);
    if (prize == Prize::None) {
        MessageBox::show("You didn't get enough questions right to win a prize.  Try again some other time.",
                         "Sorry");
        return;
    }
    MessageBox::show(awardMessage(score), "Way to go!");
    switch (prize) {
    case Prize::Animation:
        program.animation.show();
        break;
    case Prize::Browser:
        program.browserPrize().open(kMangaSummariesAddress);
        break;
    case Prize::GrandPrize:
        program.cometsgame.show();
        break;
    case Prize::None:
        break;
    }
}

} // namespace tally
