#pragma once

#include "device/point_catalogue/PointCatalogue.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>

// The CP values a parameter file holds: the whole values by CP position and the elements of
// the three array CPs. A value that was never read is empty (nullopt).
struct ParameterSet
{
    static constexpr int Positions = point_catalogue::cp::Count;
    // The CP whose value tells which decimal separator the saving system used (SCPToffsetTemp).
    static constexpr int SeparatorProbePosition = point_catalogue::cp::OffsetTemp;

    using Value = std::optional<QString>;

    std::array<Value, Positions> values{};
    std::array<Value, point_catalogue::cp::elements(point_catalogue::cp::DiConfig)> diConfig{};
    std::array<Value, point_catalogue::cp::elements(point_catalogue::cp::BacklightMin)> backlightMin{};
    std::array<Value, point_catalogue::cp::elements(point_catalogue::cp::BacklightMax)> backlightMax{};

    // The element records of an array CP position; empty for a plain CP.
    std::span<Value> elements(int position);
    std::span<const Value> elements(int position) const;

    // True when the file was saved with the other decimal separator than `decimalSeparator`.
    bool isForeign(const QString& decimalSeparator) const;
    // The text a position's box gets when loading; the CPs before UCPTdisplayTime are never converted.
    QString loadedText(int position, bool foreign, const QString& decimalSeparator) const;
    // Whether the set holds a value for the position (for an array CP: its first element).
    bool holds(int position) const;
    // The element texts of an array CP as loaded, converted like loadedText.
    QStringList loadedElements(int position, bool foreign, const QString& decimalSeparator) const;
    // One line for the position: its loaded text, or its loaded elements joined by " | ".
    QString displayText(int position, bool foreign, const QString& decimalSeparator) const;
};
