#pragma once

#include <QString>
#include <array>

// One supported command of the plug-in.
struct PlugInCommand
{
    qint32 CommandId = 0;
    qint32 ObjectClassId = 0;
    QString Name;
    QString Description;
    bool IsDefault = false;
    // 1 object server, 2 system, 3 each device template, 4 a LonMark object of each template.
    qint32 TargetKind = 0;
    QString LonMarkObjectName;
};

class CommandTable final
{
public:
    static constexpr int Rows = 2;
    // The director's own commands beside the table's: register and deregister in the open network.
    static constexpr qint32 RegisterCommand = 50;
    static constexpr qint32 DeregisterCommand = 51;
    // "Application Device", the object class of every command in the table.
    static constexpr qint16 ApplicationDeviceClass = 7;

    // Row 0: 13 "Configure" (default); row 1: 10000 "Korvandel_zep31_PlugIn"; both object class 7.
    void fill();
    bool isFilled() const { return m_filled; }
    const PlugInCommand& row(int index) const { return m_rows.at(static_cast<std::size_t>(index)); }

private:
    std::array<PlugInCommand, Rows> m_rows{};
    bool m_filled = false;
};

// Display names of LNS command ids and object class ids.
QString CommandName(qint32 commandId);
QString ObjectClassName(qint32 objectClassId);
