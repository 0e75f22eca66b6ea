#pragma once

#include <QString>

class Program;

namespace tally {

enum class Prize { None, Animation, Browser, GrandPrize };

// The prize that a score earns: 10-11, 12-13 and exactly 14; anything else none.
Prize prizeFor(double score);

// "You got  12 questions right!  Now for your prize..."
QString awardMessage(double score);

// The quiz board's final tally: reads the score, tells the player, opens the
// band's prize window once the message is closed. It changes nothing.
void award(Program &program);

} // namespace tally
