#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tally {

enum class Prize { None, Animation, Browser, GrandPrize };

// The prize that a score earns: 10-11, 12-13 and exactly 14; anything else none.
Prize prizeFor(int score);

// "You got  12 questions right!  Now for your prize..."
QString awardMessage(int score);

// The quiz board's final tally on `score`: tells the player (in a box of
// `board`'s), then has `open` open the band's prize once the message is
// closed. It changes nothing.
void award(int score, QWidget *board, const std::function<void(Prize)> &open);

} // namespace tally
