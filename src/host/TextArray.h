#pragma once

#include <QString>
#include <array>
#include <stdexcept>

// A fixed table of catalogue texts. Rows the catalogue does not fill hold the empty text;
// an index beyond the table is a bounds error (std::out_of_range).
template <std::size_t N> class TextArray
{
public:
    static constexpr int size() { return static_cast<int>(N); }

    const QString& operator[](int index) const { return m_texts.at(checked(index)); }
    QString& operator[](int index) { return m_texts.at(checked(index)); }
    void clear() { m_texts.fill(QString()); }

private:
    static std::size_t checked(int index)
    {
        if (index < 0 || index >= static_cast<int>(N))
            throw std::out_of_range("text index out of range");
        return static_cast<std::size_t>(index);
    }

    std::array<QString, N> m_texts{};
};
