#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

class CommandArguments;

namespace lnssim {
class PlatformAdmin;
}

// lns-netdb: the integrator's tool to create and inspect the simulated LonWorks platform in
// $LONWORKS_HOME. Exit codes: 0 done, 1 the operation failed, 2 the command line was wrong.
class NetdbTool final
{
public:
    NetdbTool(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    int run(const QStringList& arguments);
    QString usage() const;

private:
    void dispatch(const QString& command, const QStringList& words);
    void init(const QStringList& words);
    void demo(const QStringList& words);
    void addNetwork(const QStringList& words);
    void removeNetwork(const QStringList& words);
    void addSubsystem(const QStringList& words);
    void importTemplate(const QStringList& words);
    void addChannel(const QStringList& words);
    void addDevice(const QStringList& words);
    void moveDevice(const QStringList& words);
    void removeDevice(const QStringList& words);
    void devices(const QStringList& words);
    void channels(const QStringList& words);
    void networks(const QStringList& words);
    void get(const QStringList& words);
    void set(const QStringList& words);
    void state(const QStringList& words);
    void mode(const QStringList& words);
    void fault(const QStringList& words);
    void timing(const QStringList& words);
    void reg(const QStringList& words);

    lnssim::PlatformAdmin admin() const;

    QTextStream& m_out;
    QTextStream& m_err;
};
