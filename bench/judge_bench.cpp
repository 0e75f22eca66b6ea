// How long judging takes on a huge answer, as a ratio to the least any judge
// must spend on it: lower-casing the text once.
#include "quiz/QuestionBank.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

template <class Work> double bestOfMs(int rounds, Work work)
{
    double best = 1e100;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main()
{
    const QString mebibyte = QString((1 << 20) - 4, QLatin1Char('O')) + QStringLiteral("Todd");
    const questions::Question &q10 = questions::question(10);
    const questions::Question &q8 = questions::question(8);
    volatile bool sink = false;

    const double lowerOnly = bestOfMs(20, [&] { sink = mebibyte.toLower().size() > 0; });
    const double judgeOne = bestOfMs(20, [&] { sink = questions::judge(q10, {mebibyte}); });
    const double judgeThree = bestOfMs(20, [&] { sink = questions::judge(q8, {mebibyte}); });
    const double shortAnswer = bestOfMs(20,
                                        [&] {
                                            for (int i = 0; i < 1000; ++i)
                                                sink = questions::judge(q10, {QStringLiteral("I think it was Todd")});
                                        })
                               / 1000;

    std::printf("judging a 1 MiB answer, best of 20 rounds\n");
    std::printf("  lower-casing alone           %8.3f ms\n", lowerOnly);
    std::printf("  question 10 (one keyword)    %8.3f ms  ratio to lower-casing %.2f\n", judgeOne,
                judgeOne / lowerOnly);
    std::printf("  question 8 (three keywords)  %8.3f ms  ratio to lower-casing %.2f\n", judgeThree,
                judgeThree / lowerOnly);
    std::printf("  a short answer               %8.5f ms  1 MiB costs %.0fx a short answer\n", shortAnswer,
                judgeOne / shortAnswer);
    std::printf("  the slowest 1 MiB judging takes %.2f of one 60 Hz frame (16.7 ms)\n",
                std::max(judgeOne, judgeThree) / (1000.0 / 60));
    return sink ? 0 : 0;
}
