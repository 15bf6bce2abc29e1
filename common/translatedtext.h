#pragma once

// A text kept in English in a table or constant and translated each time it is read, so it
// follows the language the program was started in, whenever that was chosen. The tables stay
// constant; the English source stays at hand for whatever must not change with the language.

#include <QCoreApplication>
#include <QLatin1StringView>
#include <QString>

class TranslatedText {
public:
    constexpr TranslatedText(const char *context, const char *source)
        : m_context(context), m_source(source)
    {}
    QString translated() const { return QCoreApplication::translate(m_context, m_source); }
    operator QString() const { return translated(); }
    constexpr QLatin1StringView source() const { return QLatin1StringView(m_source); }

private:
    const char *m_context;
    const char *m_source;
};
