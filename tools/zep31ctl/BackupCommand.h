#pragma once

#include <QString>

class CommandArguments;
class QTextStream;

// zep31ctl backup NETWORK FOLDER: the CPs of every ZEP31 of the network, one parameter file each,
// with index.json, written as a whole into FOLDER or not at all. A device that cannot be read is
// listed as failed (status 1) and keeps its file of the previous backup in FOLDER, if any; the
// others are saved. A signal, a full disk or no device read at all leave the previous backup as
// it was.
class BackupCommand final
{
public:
    BackupCommand(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}
    BackupCommand(const BackupCommand&) = delete;
    BackupCommand& operator=(const BackupCommand&) = delete;

    int run(const CommandArguments& arguments);

private:
    QTextStream& m_out;
    QTextStream& m_err;
};
