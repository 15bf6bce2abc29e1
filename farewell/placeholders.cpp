#include "farewell/placeholders.h"

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.sliced(first, last - first);
}

bool isBlankOrPlaceholder(const QString &value, const QString &placeholder)
{
    const QString trimmed = trimSpaces(value);
    return trimmed.isEmpty() || trimmed == placeholder;
}

bool clearsOnGotFocus(const QString &text, const QString &placeholder)
{
    return trimSpaces(text) == placeholder;
}

bool restoresOnLostFocus(const QString &text)
{
    return trimSpaces(text).isEmpty();
}
