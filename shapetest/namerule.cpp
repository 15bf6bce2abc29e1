#include "shapetest/namerule.h"

namespace {
bool isSmallLetter(int k)
{
    return k >= 'a' && k <= 'z';
}

bool isCapitalLetter(int k)
{
    return k >= 'A' && k <= 'Z';
}
} // namespace

int NameKeyCharacter(int k)
{
    if (isSmallLetter(k))
        return k - 32;
    if (isCapitalLetter(k) || k == 8 || k == 13 || k == ' ')
        return k;
    return 0;
}

NameValidator::NameValidator(QObject *parent) : QValidator(parent) {}

QValidator::State NameValidator::validate(QString &input, int &) const
{
    QString accepted = input;
    for (QChar &c : accepted) {
        const int k = c.unicode();
        if (!isSmallLetter(k) && !isCapitalLetter(k) && k != ' ') {
            emit refused();
            return Invalid;
        }
        c = QChar(NameKeyCharacter(k));
    }
    input = accepted;
    return Acceptable;
}
