#pragma once

// Reads the bytes a fuzzer hands over as the values a target needs. Once the bytes run out
// every read gives zero or an empty text, so any input, however short, is a complete run.

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_used >= m_size; }

    std::uint8_t byte();
    std::uint16_t word();
    // 0 to count - 1.
    int below(int count);
    // Any UTF-16 code units, lone surrogates included: what a key event or a clipboard could
    // carry in the worst case. At most maxUnits long.
    QString anyText(int maxUnits);
    // Bytes read as UTF-8, as text typed or pasted on a desktop arrives; invalid sequences
    // become replacement characters. At most maxBytes long.
    QString typedText(int maxBytes);
    // Any of Qt's languages, now and then in a given country.
    QLocale locale();

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_used = 0;
};
