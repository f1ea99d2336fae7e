#pragma once

class CommandArguments;
class QTextStream;

// zep31ctl drift NETWORK FOLDER: how the network has moved away from a backup. For every device of
// the backup, the CPs whose value on the device differs from its file (an array CP element by
// element); the devices missing from the network and those added since; a device at its path
// with another Neuron ID is named as replaced; a device that cannot be read is named so. Status 0
// when nothing drifted (a replaced unit holding its predecessor's configuration has not), 1 when
// something did, 2 on wrong input, a damaged backup included.
class DriftCommand final
{
public:
    DriftCommand(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}
    DriftCommand(const DriftCommand&) = delete;
    DriftCommand& operator=(const DriftCommand&) = delete;

    int run(const CommandArguments& arguments);

private:
    QTextStream& m_out;
    QTextStream& m_err;
};
