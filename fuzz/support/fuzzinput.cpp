#include "fuzzinput.h"

#include <QByteArray>

std::uint8_t FuzzInput::byte()
{
    return atEnd() ? 0 : m_data[m_used++];
}

std::uint16_t FuzzInput::word()
{
    const std::uint16_t high = byte();
    return static_cast<std::uint16_t>(high << 8 | byte());
}

int FuzzInput::below(int count)
{
    return count <= 1 ? 0 : byte() % count;
}

QString FuzzInput::anyText(int maxUnits)
{
    const int length = below(maxUnits + 1);
    QString text;
    for (int i = 0; i < length && !atEnd(); ++i)
        text.append(QChar(word()));
    return text;
}

QString FuzzInput::typedText(int maxBytes)
{
    const int length = below(maxBytes + 1);
    QByteArray bytes;
    for (int i = 0; i < length && !atEnd(); ++i)
        bytes.append(static_cast<char>(byte()));
    return QString::fromUtf8(bytes);
}

QLocale FuzzInput::locale()
{
    const auto language = QLocale::Language(word() % (QLocale::LastLanguage + 1));
    const auto territory = QLocale::Territory(
        byte() % 4 == 0 ? word() % (QLocale::LastTerritory + 1) : QLocale::AnyTerritory);
    return QLocale(language, territory);
}
