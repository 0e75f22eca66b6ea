#include "quiz/Score.h"

#include <cmath>

namespace score {

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

double read(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;

    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';

    double value = 0;
    while (at < text.size() && isDigit(text[at]))
        value = value * 10 + (text[at++].unicode() - u'0');
    if (at < text.size() && text[at] == u'.') {
        double scale = 0.1;
        for (++at; at < text.size() && isDigit(text[at]); ++at) {
            value += (text[at].unicode() - u'0') * scale;
            scale /= 10;
        }
    }
    return std::floor(negative ? -value : value);
}

QString text(double value)
{
    const QString digits = QString::number(std::fabs(value), 'f', 0);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

} // namespace score
