#include "quiz/Question.h"

#include <algorithm>

namespace questions {

bool holds(const Rule &rule, const QString &typed)
{
    const QString lowered = typed.toLower();
    bool allHold = true;
    for (const Term &term : rule) {
        const bool any = std::any_of(term.anyOf.begin(), term.anyOf.end(), [&](const char *keyword) {
            return lowered.contains(QLatin1String(keyword), Qt::CaseSensitive);
        });
        allHold = allHold && any;
    }
    return allHold;
}

bool judge(const Question &question, const QStringList &answers)
{
    if (answers.size() != qsizetype(question.boxes.size()))
        return false;
    int rightBoxes = 0;
    for (size_t box = 0; box < question.boxes.size(); ++box) {
        if (holds(question.boxes[box].rule, answers[qsizetype(box)]))
            ++rightBoxes;
    }
    return rightBoxes == int(question.boxes.size());
}

} // namespace questions
