#pragma once

#include "transfer/ParameterSetWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

class NetworkSession;
class QTextStream;

// zep31ctl apply: a saved parameter file written to many devices, one after the other. Nothing is
// written before every check that can be made in advance has passed for the whole run: the file
// holds values of the CPs written, each of its CP's type and within its editor's limits; every
// device is a ZEP31 of the run's program ID; the report can be written. A device that fails is
// reported and the run goes on; the status is 0 only when every device succeeded. SIGINT or
// SIGTERM ends the run after the CP under way, with the report of what was done. On a terminal a
// progress bar shows the device and the time left.
class ApplyCommand final
{
public:
    struct Options
    {
        QString file;
        QStringList devices;
        // The program ID of the run; without it, that of the first device named.
        QString programId;
        // Lets devices of another ZEP31 program ID than the run's be written.
        bool forceProgramId = false;
        ParameterSetWriter::Options writer;
        QString report;
        bool verbose = false;
    };

    ApplyCommand(NetworkSession& session, QTextStream& out, QTextStream& err);
    ApplyCommand(const ApplyCommand&) = delete;
    ApplyCommand& operator=(const ApplyCommand&) = delete;

    int run(const Options& options);

    // The per-device results as a JSON document or CSV table, by the file name's extension.
    static QByteArray report(const QString& fileName, const QString& parameterFile,
                             const QList<ParameterSetWriter::Result>& results, const PointTables& points,
                             const QString& summary, bool interrupted);

private:
    struct Target;

    // The devices to write, each with why it is refused (empty when it is not).
    QList<Target> targets(const Options& options) const;
    void printResult(const ParameterSetWriter::Result& result, bool dryRun);

    NetworkSession& m_session;
    QTextStream& m_out;
    QTextStream& m_err;
};
