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
    return Question{
        .number = q.number,
        .clientWidth = q.clientWidth,
        .clientHeight = q.clientHeight,
        .texts = {{.name = "Label1", .text = q.prompt, .rect = q.promptRect},
                  {.name = "Label2",
                   .text = q.instruction,
                   .rect = q.instructionRect,
                   .alignment = Qt::AlignHCenter | Qt::AlignTop}},
        .boxes = {{.name = q.box, .rule = q.rule, .rect = q.boxRect, .tabIndex = q.boxTabIndex, .labelName = "Label2"}},
        .done = q.done,
        .doneTabIndex = q.doneTabIndex,
        .rightMessage = q.rightMessage,
        .wrongMessage = q.wrongMessage,
    };
}

inline const QString kTypeBelow = "Type your answer in the text box below:";

} // namespace bank

inline const std::array<Question, kCount> &all()
{
    using namespace bank;
    static const std::array<Question, kCount> questions{{
        Question{.number = 1,
                 .clientWidth = 6180,
                 .clientHeight = 5190,
                 .texts = {{.name = "Label1",
                            .text = "Can you answer this:",
                            .rect = {.left = 120, .top = 120, .width = 2775, .height = 375}},
                           {.name = "Label2",
                            .text = "What are the full Japanese names of the first five heroines?  "
                                    "(Write your answers American style.)",
                            .rect = {.left = 240, .top = 600, .width = 5775, .height = 495}},
                           {.name = "Label3",
                            .text = "What is Lumen Vesper's name?",
                            .rect = {.left = 720, .top = 1320, .width = 2775, .height = 495}},
                           {.name = "Label4",
                            .text = "What is Lumen Cobalt's name?",
                            .rect = {.left = 720, .top = 1920, .width = 2775, .height = 495}},
                           {.name = "Label5",
                            .text = "What is Lumen Pyros' name?",
                            .rect = {.left = 720, .top = 2520, .width = 2775, .height = 495}},
                           {.name = "Label6",
                            .text = "What is Lumen Gale's name?",
                            .rect = {.left = 720, .top = 3120, .width = 2775, .height = 495}},
                           {.name = "Label7",
                            .text = "What is Lumen Iris' name?",
                            .rect = {.left = 720, .top = 3720, .width = 2775, .height = 495}}},
                 .boxes = {{.name = "vesper",
                            .rule = {word("kaede"), word("harada")},
                            .rect = {.left = 3480, .top = 1320, .width = 2055, .height = 375},
                            .tabIndex = 2,
                            .labelName = "Label3"},
                           {.name = "cobalt",
                            .rule = {word("ayane"), word("sekine")},
                            .rect = {.left = 3480, .top = 1920, .width = 2055, .height = 375},
                            .tabIndex = 3,
                            .labelName = "Label4"},
                           {.name = "pyros",
                            .rule = {word("yui"), word("okabe")},
                            .rect = {.left = 3480, .top = 2520, .width = 2055, .height = 375},
                            .tabIndex = 4,
                            .labelName = "Label5"},
                           {.name = "gale",
                            .rule = {word("shiori"), word("nagase")},
                            .rect = {.left = 3480, .top = 3120, .width = 2055, .height = 375},
                            .tabIndex = 5,
                            .labelName = "Label6"},
                           {.name = "iris",
                            .rule = {word("natsuki"), word("ebina")},
                            .rect = {.left = 3480, .top = 3720, .width = 2055, .height = 375},
                            .tabIndex = 6,
                            .labelName = "Label7"}},
                 .done = {.left = 4080, .top = 4440, .width = 1815, .height = 615},
                 .doneTabIndex = 7,
                 .rightMessage = "You are correct.",
                 .wrongMessage = "Wow you got that wrong!?!  Try your luck at another question.",
                 .attemptedWhenOpened = true},
        singleAnswer({.number = 2,
                      .clientWidth = 5595,
                      .clientHeight = 4020,
                      .prompt = "Can you answer this one:  In one of the last dubbed episodes the lead heroine heals a "
                                "minor character, who then has a curious scene with an insect.  Which insect was it?",
                      .promptRect = {.left = 120, .top = 240, .width = 5175, .height = 1095},
                      .instruction = "Place you answer in the text box below:",
                      .instructionRect = {.left = 1200, .top = 1680, .width = 3855, .height = 375},
                      .box = "q2ans",
                      .rule = {word("dragonfly")},
                      .boxRect = {.left = 1560, .top = 2280, .width = 3255, .height = 375},
                      .boxTabIndex = 1,
                      .done = {.left = 3360, .top = 3000, .width = 1815, .height = 735},
                      .doneTabIndex = 3,
                      .rightMessage = "Correct, you sound like the right kind of guy.",
                      .wrongMessage = "You are incorrect Sir."}),
        singleAnswer({.number = 3,
                      .clientWidth = 5040,
                      .clientHeight = 3225,
                      .prompt = "Riddle me this:  One of the heroines keeps two crows.  What are their names?",
                      .promptRect = {.left = 120, .top = 120, .width = 3615, .height = 615},
                      .instruction = "Type both names in any order in the text box below:",
                      .instructionRect = {.left = 480, .top = 1200, .width = 3855, .height = 495},
                      .box = "crows",
                      .rule = {word("gorvan"), either({"tiakon", "taikon"})},
                      .boxRect = {.left = 960, .top = 1800, .width = 3015, .height = 375},
                      .boxTabIndex = 1,
                      .done = {.left = 3000, .top = 2400, .width = 1815, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "Excellent answer.",
                      .wrongMessage = "Maybe you were watching another show, because you got that wrong!"}),
        singleAnswer({.number = 4,
                      .clientWidth = 5145,
                      .clientHeight = 3705,
                      .prompt =
                          "Try this one on for size:  In one episode the lead heroine drinks something strange.  "
                          "What colour was the drink?  (No need to get technical on the color, a basic color will "
                          "do [ex. pink].)",
                      .promptRect = {.left = 120, .top = 120, .width = 4215, .height = 1095},
                      .instruction = kTypeBelow,
                      .instructionRect = {.left = 960, .top = 1440, .width = 3255, .height = 495},
                      .box = "q4ans",
                      .rule = {word("green")},
                      .boxRect = {.left = 1200, .top = 2160, .width = 2895, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 3000, .top = 2880, .width = 1575, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "You really know what show you were watching!",
                      .wrongMessage = "You call yourself a fan!?!  Not in our book your not, you got that wrong."}),
        singleAnswer(
            {.number = 5,
             .clientWidth = 4725,
             .clientHeight = 3900,
             .prompt = "Bachelor number two:  A boy once hid from a villain together with one of the heroines "
                       "in an amusement park.  What was the park called?",
             .promptRect = {.left = 240, .top = 360, .width = 3975, .height = 1215},
             .instruction = kTypeBelow,
             .instructionRect = {.left = 1080, .top = 1680, .width = 2895, .height = 615},
             .box = "q5ans",
             .rule = {either({"9 ten land", "kuten land", "kuuten land", "9ten land"})},
             .boxRect = {.left = 960, .top = 2400, .width = 3015, .height = 375},
             .boxTabIndex = 2,
             .done = {.left = 2640, .top = 3000, .width = 1695, .height = 615},
             .doneTabIndex = 3,
             .rightMessage = "Wow, you've been watching the show.",
             .wrongMessage =
                 "Nah, that's wrong, but you do get the \"Studs\" home game to play with your family and pets."}),
        Question{
            .number = 6,
            .clientWidth = 6825,
            .clientHeight = 6240,
            .texts = {{.name = "Label1",
                       .text = "Let's see how you do on this one:  Who gave their voices to the five heroines in the "
                               "dubbed version?",
                       .rect = {.left = 480, .top = 360, .width = 3495, .height = 1215}},
                      {.name = "Label2",
                       .text = "Lumen Vesper's [major] voice actor was:",
                       .rect = {.left = 720, .top = 1680, .width = 2775, .height = 615}},
                      {.name = "Label3",
                       .text = "Lumen Cobalt's voice actor was:",
                       .rect = {.left = 720, .top = 2400, .width = 2775, .height = 615}},
                      {.name = "Label4",
                       .text = "Lumen Pyros' [major] voice actor was:",
                       .rect = {.left = 720, .top = 3240, .width = 2775, .height = 495}},
                      {.name = "Label5",
                       .text = "Lumen Gale's voice actor was:",
                       .rect = {.left = 720, .top = 3840, .width = 2775, .height = 495}},
                      {.name = "Label6",
                       .text = "Lumen Iris' voice actor was:",
                       .rect = {.left = 720, .top = 4560, .width = 2775, .height = 495}}},
            .boxes = {{.name = "vesper",
                       .rule = {word("dana"), word("pruitt")},
                       .rect = {.left = 3480, .top = 1680, .width = 2775, .height = 375},
                       .tabIndex = 1,
                       .labelName = "Label2"},
                      {.name = "cobalt",
                       .rule = {word("lois"), word("carvell")},
                       .rect = {.left = 3480, .top = 2400, .width = 2775, .height = 375},
                       .tabIndex = 2,
                       .labelName = "Label3"},
                      {.name = "pyros",
                       .rule = {word("nora"), word("whitby")},
                       .rect = {.left = 3480, .top = 3240, .width = 2775, .height = 375},
                       .tabIndex = 3,
                       .labelName = "Label4"},
                      {.name = "gale",
                       .rule = {word("irene"), word("colby")},
                       .rect = {.left = 3480, .top = 3840, .width = 2775, .height = 375},
                       .tabIndex = 4,
                       .labelName = "Label5"},
                      {.name = "iris",
                       .rule = {word("wendy"), either({"ashfield", "ashfeld"})},
                       .rect = {.left = 3480, .top = 4560, .width = 2775, .height = 375},
                       .tabIndex = 5,
                       .labelName = "Label6"}},
            .done = {.left = 4560, .top = 5280, .width = 1815, .height = 615},
            .doneTabIndex = 11,
            .rightMessage = "Terrific answer!",
            .wrongMessage = "We knew you'd get that wrong."},
        singleAnswer({.number = 7,
                      .clientWidth = 4680,
                      .clientHeight = 4110,
                      .prompt = "Oh this is a stumper:  Which artist created the series?",
                      .promptRect = {.left = 240, .top = 360, .width = 3495, .height = 1095},
                      .instruction = kTypeBelow,
                      .instructionRect = {.left = 1080, .top = 1560, .width = 2895, .height = 735},
                      .box = "q7ans",
                      .rule = {word("emiko"), word("tanabe")},
                      .boxRect = {.left = 1200, .top = 2400, .width = 2775, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 2880, .top = 3000, .width = 1575, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "You really are pathetic, way to go!!!",
                      .wrongMessage = "Well that's not right."}),
        singleAnswer({.number = 8,
                      .clientWidth = 5730,
                      .clientHeight = 3885,
                      .prompt =
                          "How about this one:  A young man works for one heroine's grandfather.  What are his "
                          "dubbed and his Japanese names?  (On his American name only his first name is necessary, "
                          "but give his full Japanese name.)",
                      .promptRect = {.left = 360, .top = 240, .width = 3495, .height = 1215},
                      .instruction = "Type in both names in the text box below in any order:",
                      .instructionRect = {.left = 1440, .top = 1560, .width = 2895, .height = 735},
                      .box = "q8ans",
                      .rule = {word("brent"), word("shintarou"), word("isozaki")},
                      .boxRect = {.left = 960, .top = 2400, .width = 3855, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 3720, .top = 3000, .width = 1815, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "You must be a genius.",
                      .wrongMessage = "You are wrong.  These are hard questions, huh?"}),
        singleAnswer({.number = 9,
                      .clientWidth = 5190,
                      .clientHeight = 3780,
                      .prompt = "Press your luck:  One royal in the series wears thick glasses.  What is her name?  "
                                "Hint: She is a princess, so you'd better call her by her official name.",
                      .promptRect = {.left = 360, .top = 360, .width = 3735, .height = 1095},
                      .instruction = kTypeBelow,
                      .instructionRect = {.left = 1200, .top = 1560, .width = 3135, .height = 615},
                      .box = "q9ans",
                      .rule = {word("princess"), word("diamond")},
                      .boxRect = {.left = 1200, .top = 2280, .width = 3255, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 3240, .top = 2880, .width = 1695, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "You got that right.",
                      .wrongMessage = "Wrong, that's the worst answer we've ever heard."}),
        singleAnswer({.number = 10,
                      .clientWidth = 5655,
                      .clientHeight = 3705,
                      .prompt = "Here's another one:  What is the dubbed name of one heroine's male best friend?  "
                                "Only his first name is necessary.",
                      .promptRect = {.left = 360, .top = 240, .width = 3015, .height = 855},
                      .instruction = "Type you answer in the text box below:",
                      .instructionRect = {.left = 1440, .top = 1320, .width = 3015, .height = 735},
                      .box = "q10ans",
                      .rule = {word("todd")},
                      .boxRect = {.left = 1680, .top = 2160, .width = 2415, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 3720, .top = 2760, .width = 1815, .height = 735},
                      .doneTabIndex = 3,
                      .rightMessage = "Nice answer.",
                      .wrongMessage = "Where did you come up with a wrong answer like that?"}),
        singleAnswer({.number = 11,
                      .clientWidth = 5505,
                      .clientHeight = 3765,
                      .prompt = "Try this one on for size:  When a new little character arrived in the dub, the lead "
                                "heroine's transformation phrase changed.  Give the right phrase and the wrong one of "
                                "that episode.",
                      .promptRect = {.left = 360, .top = 240, .width = 3735, .height = 975},
                      .instruction = "Type your answers in the text box below in any order:",
                      .instructionRect = {.left = 1320, .top = 1440, .width = 2895, .height = 615},
                      .box = "q11ans",
                      .rule = {word("vesper crystal power"), word("vesper star power")},
                      .boxRect = {.left = 960, .top = 2160, .width = 3615, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 3360, .top = 3000, .width = 1935, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "You got that right.",
                      .wrongMessage = "Wrong, hope you're ashamed of yourself."}),
        singleAnswer({.number = 12,
                      .clientWidth = 4860,
                      .clientHeight = 3630,
                      .prompt =
                          "More testing of your mind's integrity:  Early episodes mention a film several times in "
                          "connection with one heroine, who is not in it.  What is the film's title?",
                      .promptRect = {.left = 240, .top = 240, .width = 3615, .height = 1095},
                      .instruction = kTypeBelow,
                      .instructionRect = {.left = 1080, .top = 1440, .width = 3015, .height = 495},
                      .box = "q12ans",
                      .rule = {word("robocop")},
                      .boxRect = {.left = 1320, .top = 2160, .width = 2655, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 3000, .top = 2760, .width = 1695, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "Hot damn you're good.",
                      .wrongMessage = "Now that ain't right."}),
        singleAnswer({.number = 13,
                      .clientWidth = 4950,
                      .clientHeight = 3870,
                      .prompt =
                          "Let us juice your mind some more:  What were the dubbed radio programme and station "
                          "that played a villain's show?  Type the radio station's name and the radio program as it "
                          "was shown/heard on TV - ex. \"AM No. 99, Bite Me\".",
                      .promptRect = {.left = 240, .top = 240, .width = 3612, .height = 1332},
                      .instruction = "Type your answers in the text box below:",
                      .instructionRect = {.left = 1200, .top = 1800, .width = 3495, .height = 375},
                      .box = "q13ans",
                      .rule = {word("love line"), word("fm no. 10")},
                      .boxRect = {.left = 1440, .top = 2400, .width = 3015, .height = 375},
                      .boxTabIndex = 3,
                      .done = {.left = 3120, .top = 3000, .width = 1695, .height = 615},
                      .doneTabIndex = 1,
                      .rightMessage = "Good answer.",
                      .wrongMessage = "How could you think that was right?"}),
        singleAnswer({.number = 14,
                      .clientWidth = 4905,
                      .clientHeight = 3555,
                      .prompt = "Let's see how you do on this one:  Who sang the lead vocals of the dubbed love song?  "
                                "Not the backing vocals, but the lead vocals.",
                      .promptRect = {.left = 360, .top = 360, .width = 3735, .height = 735},
                      .instruction = kTypeBelow,
                      .instructionRect = {.left = 1200, .top = 1200, .width = 3255, .height = 495},
                      .box = "q14ans",
                      .rule = {word("marla"), word("devane")},
                      .boxRect = {.left = 1320, .top = 1920, .width = 2895, .height = 375},
                      .boxTabIndex = 2,
                      .done = {.left = 3000, .top = 2640, .width = 1695, .height = 615},
                      .doneTabIndex = 3,
                      .rightMessage = "You're good at this.",
                      .wrongMessage = "You sure got that one wrong.  Hope you got some of these questions right."}),
    }};
    return questions;
}

// Question `number`, 1 to kCount.
inline const Question &question(int number)
{
    return all().at(size_t(number - 1));
}

} // namespace questions
