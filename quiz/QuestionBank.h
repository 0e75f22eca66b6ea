#pragma once

// The fourteen questions: prompts, instruction lines, answer boxes with their
// keyword rules, verdict messages and window layouts (twips).

#include "quiz/Question.h"

#include <array>

namespace questions {

namespace bank {

inline Term word(const char *keyword)
{
    return Term{{keyword}};
}

inline Term either(std::initializer_list<const char *> keywords)
{
    return Term{keywords};
}

struct SingleAnswer
{
    int number;
    int clientWidth, clientHeight;
    QString prompt;
    Rect promptRect;
    QString instruction;
    Rect instructionRect;
    const char *box;
    Rule rule;
    Rect boxRect;
    int boxTabIndex;
    Rect done;
    int doneTabIndex;
    QString rightMessage;
    QString wrongMessage;
};

// A window with the prompt on top, the centred instruction line, one box and DONE.
inline Question singleAnswer(SingleAnswer q)
{
    return Question{q.number,
                    q.clientWidth,
                    q.clientHeight,
                    {{"Label1", q.prompt, q.promptRect},
                     {"Label2", q.instruction, q.instructionRect, Qt::AlignHCenter | Qt::AlignTop}},
                    {{q.box, q.rule, q.boxRect, q.boxTabIndex, "Label2"}},
                    q.done,
                    q.doneTabIndex,
                    q.rightMessage,
                    q.wrongMessage};
}

inline const QString kTypeBelow = "Type your answer in the text box below:";

} // namespace bank

inline const std::array<Question, 14> &all()
{
    using namespace bank;
    static const std::array<Question, 14> questions{{
        Question{1, 6180, 5190,
                 {{"Label1", "Can you answer this:", {120, 120, 2775, 375}},
                  {"Label2",
                   "What are the full Japanese names of the first five heroines?  "
                   "(Write your answers American style.)",
                   {240, 600, 5775, 495}},
                  {"Label3", "What is Lumen Vesper's name?", {720, 1320, 2775, 495}},
                  {"Label4", "What is Lumen Cobalt's name?", {720, 1920, 2775, 495}},
                  {"Label5", "What is Lumen Pyros' name?", {720, 2520, 2775, 495}},
                  {"Label6", "What is Lumen Gale's name?", {720, 3120, 2775, 495}},
                  {"Label7", "What is Lumen Iris' name?", {720, 3720, 2775, 495}}},
                 {{"vesper", {word("kaede"), word("harada")}, {3480, 1320, 2055, 375}, 2, "Label3"},
                  {"cobalt", {word("ayane"), word("sekine")}, {3480, 1920, 2055, 375}, 3, "Label4"},
                  {"pyros", {word("yui"), word("okabe")}, {3480, 2520, 2055, 375}, 4, "Label5"},
                  {"gale", {word("shiori"), word("nagase")}, {3480, 3120, 2055, 375}, 5, "Label6"},
                  {"iris", {word("natsuki"), word("ebina")}, {3480, 3720, 2055, 375}, 6, "Label7"}},
                 {4080, 4440, 1815, 615},
                 7,
                 "You are correct.",
                 "Wow you got that wrong!?!  Try your luck at another question.",
                 true},
        singleAnswer({2, 5595, 4020,
                      "Can you answer this one:  In one of the last dubbed episodes the lead heroine heals a "
                      "minor character, who then has a curious scene with an insect.  Which insect was it?",
                      {120, 240, 5175, 1095},
                      "Place you answer in the text box below:", {1200, 1680, 3855, 375},
                      "q2ans", {word("dragonfly")}, {1560, 2280, 3255, 375}, 1,
                      {3360, 3000, 1815, 735}, 3,
                      "Correct, you sound like the right kind of guy.",
                      "You are incorrect Sir."}),
        singleAnswer({3, 5040, 3225,
                      "Riddle me this:  One of the heroines keeps two crows.  What are their names?",
                      {120, 120, 3615, 615},
                      "Type both names in any order in the text box below:", {480, 1200, 3855, 495},
                      "crows", {word("gorvan"), either({"tiakon", "taikon"})}, {960, 1800, 3015, 375}, 1,
                      {3000, 2400, 1815, 615}, 3,
                      "Excellent answer.",
                      "Maybe you were watching another show, because you got that wrong!"}),
        singleAnswer({4, 5145, 3705,
                      "Try this one on for size:  In one episode the lead heroine drinks something strange.  "
                      "What colour was the drink?  (No need to get technical on the color, a basic color will "
                      "do [ex. pink].)",
                      {120, 120, 4215, 1095},
                      kTypeBelow, {960, 1440, 3255, 495},
                      "q4ans", {word("green")}, {1200, 2160, 2895, 375}, 2,
                      {3000, 2880, 1575, 615}, 3,
                      "You really know what show you were watching!",
                      "You call yourself a fan!?!  Not in our book your not, you got that wrong."}),
        singleAnswer({5, 4725, 3900,
                      "Bachelor number two:  A boy once hid from a villain together with one of the heroines "
                      "in an amusement park.  What was the park called?",
                      {240, 360, 3975, 1215},
                      kTypeBelow, {1080, 1680, 2895, 615},
                      "q5ans", {either({"9 ten land", "kuten land", "kuuten land", "9ten land"})},
                      {960, 2400, 3015, 375}, 2,
                      {2640, 3000, 1695, 615}, 3,
                      "Wow, you've been watching the show.",
                      "Nah, that's wrong, but you do get the \"Studs\" home game to play with your family and pets."}),
        Question{6, 6825, 6240,
                 {{"Label1",
                   "Let's see how you do on this one:  Who gave their voices to the five heroines in the "
                   "dubbed version?",
                   {480, 360, 3495, 1215}},
                  {"Label2", "Lumen Vesper's [major] voice actor was:", {720, 1680, 2775, 615}},
                  {"Label3", "Lumen Cobalt's voice actor was:", {720, 2400, 2775, 615}},
                  {"Label4", "Lumen Pyros' [major] voice actor was:", {720, 3240, 2775, 495}},
                  {"Label5", "Lumen Gale's voice actor was:", {720, 3840, 2775, 495}},
                  {"Label6", "Lumen Iris' voice actor was:", {720, 4560, 2775, 495}}},
                 {{"vesper", {word("dana"), word("pruitt")}, {3480, 1680, 2775, 375}, 1, "Label2"},
                  {"cobalt", {word("lois"), word("carvell")}, {3480, 2400, 2775, 375}, 2, "Label3"},
                  {"pyros", {word("nora"), word("whitby")}, {3480, 3240, 2775, 375}, 3, "Label4"},
                  {"gale", {word("irene"), word("colby")}, {3480, 3840, 2775, 375}, 4, "Label5"},
                  {"iris", {word("wendy"), either({"ashfield", "ashfeld"})}, {3480, 4560, 2775, 375}, 5, "Label6"}},
                 {4560, 5280, 1815, 615},
                 11,
                 "Terrific answer!",
                 "We knew you'd get that wrong."},
        singleAnswer({7, 4680, 4110,
                      "Oh this is a stumper:  Which artist created the series?",
                      {240, 360, 3495, 1095},
                      kTypeBelow, {1080, 1560, 2895, 735},
                      "q7ans", {word("emiko"), word("tanabe")}, {1200, 2400, 2775, 375}, 2,
                      {2880, 3000, 1575, 615}, 3,
                      "You really are pathetic, way to go!!!",
                      "Well that's not right."}),
        singleAnswer({8, 5730, 3885,
                      "How about this one:  A young man works for one heroine's grandfather.  What are his "
                      "dubbed and his Japanese names?  (On his American name only his first name is necessary, "
                      "but give his full Japanese name.)",
                      {360, 240, 3495, 1215},
                      "Type in both names in the text box below in any order:", {1440, 1560, 2895, 735},
                      "q8ans", {word("brent"), word("shintarou"), word("isozaki")}, {960, 2400, 3855, 375}, 2,
                      {3720, 3000, 1815, 615}, 3,
                      "You must be a genius.",
                      "You are wrong.  These are hard questions, huh?"}),
        singleAnswer({9, 5190, 3780,
                      "Press your luck:  One royal in the series wears thick glasses.  What is her name?  "
                      "Hint: She is a princess, so you'd better call her by her official name.",
                      {360, 360, 3735, 1095},
                      kTypeBelow, {1200, 1560, 3135, 615},
                      "q9ans", {word("princess"), word("diamond")}, {1200, 2280, 3255, 375}, 2,
                      {3240, 2880, 1695, 615}, 3,
                      "You got that right.",
                      "Wrong, that's the worst answer we've ever heard."}),
        singleAnswer({10, 5655, 3705,
                      "Here's another one:  What is the dubbed name of one heroine's male best friend?  "
                      "Only his first name is necessary.",
                      {360, 240, 3015, 855},
                      "Type you answer in the text box below:", {1440, 1320, 3015, 735},
                      "q10ans", {word("todd")}, {1680, 2160, 2415, 375}, 2,
                      {3720, 2760, 1815, 735}, 3,
                      "Nice answer.",
                      "Where did you come up with a wrong answer like that?"}),
        singleAnswer({11, 5505, 3765,
                      "Try this one on for size:  When a new little character arrived in the dub, the lead "
                      "heroine's transformation phrase changed.  Give the right phrase and the wrong one of "
                      "that episode.",
                      {360, 240, 3735, 975},
                      "Type your answers in the text box below in any order:", {1320, 1440, 2895, 615},
                      "q11ans", {word("vesper crystal power"), word("vesper star power")},
                      {960, 2160, 3615, 375}, 2,
                      {3360, 3000, 1935, 615}, 3,
                      "You got that right.",
                      "Wrong, hope you're ashamed of yourself."}),
        singleAnswer({12, 4860, 3630,
                      "More testing of your mind's integrity:  Early episodes mention a film several times in "
                      "connection with one heroine, who is not in it.  What is the film's title?",
                      {240, 240, 3615, 1095},
                      kTypeBelow, {1080, 1440, 3015, 495},
                      "q12ans", {word("robocop")}, {1320, 2160, 2655, 375}, 2,
                      {3000, 2760, 1695, 615}, 3,
                      "Hot damn you're good.",
                      "Now that ain't right."}),
        singleAnswer({13, 4950, 3870,
                      "Let us juice your mind some more:  What were the dubbed radio programme and station "
                      "that played a villain's show?  Type the radio station's name and the radio program as it "
                      "was shown/heard on TV - ex. \"AM No. 99, Bite Me\".",
                      {240, 240, 3612, 1332},
                      "Type your answers in the text box below:", {1200, 1800, 3495, 375},
                      "q13ans", {word("love line"), word("fm no. 10")}, {1440, 2400, 3015, 375}, 3,
                      {3120, 3000, 1695, 615}, 1,
                      "Good answer.",
                      "How could you think that was right?"}),
        singleAnswer({14, 4905, 3555,
                      "Let's see how you do on this one:  Who sang the lead vocals of the dubbed love song?  "
                      "Not the backing vocals, but the lead vocals.",
                      {360, 360, 3735, 735},
                      kTypeBelow, {1200, 1200, 3255, 495},
                      "q14ans", {word("marla"), word("devane")}, {1320, 1920, 2895, 375}, 2,
                      {3000, 2640, 1695, 615}, 3,
                      "You're good at this.",
                      "You sure got that one wrong.  Hope you got some of these questions right."}),
    }};
    return questions;
}

// Question `number`, 1 to 14.
inline const Question &question(int number)
{
    return all().at(size_t(number - 1));
}

} // namespace questions
