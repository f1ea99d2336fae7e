#pragma once

class CommandArguments;
class QTextStream;

// zep31ctl restore NETWORK FOLDER [DEVICE...]: each device gets its own file of a backup, found by
// the device's path (so a replaced unit gets its predecessor's configuration) or by its Neuron ID.
// Every CP of the file is written, the device-specific ones too: the values come from the same
// place. The checks of apply run for every device before the first write, and a file that differs
// from its hash in the index is refused; then the devices are written as apply writes them, with
// its report and exit statuses. Without DEVICE every device of the backup is restored; one that
// is no longer in the network, or whose file the backup lacks, is reported failed.
class RestoreCommand final
{
public:
    RestoreCommand(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}
    RestoreCommand(const RestoreCommand&) = delete;
    RestoreCommand& operator=(const RestoreCommand&) = delete;

    int run(const CommandArguments& arguments);

private:
    QTextStream& m_out;
    QTextStream& m_err;
};
