#include "batch/auto_port.h"
#include "batch/tr.h"

#include "link/port_probe.h"
#include "batch/batch.h"
#include "link/trace.h"

#include <QCoreApplication>

namespace batch {
namespace {

QString outcome_text(const comm::Probe_result &r)
{
    switch (r.outcome) {
    case comm::Probe_result::answered:
        return Tr::tr("answered %1").arg(r.version);
    case comm::Probe_result::silent:
        return Tr::tr("no answer");
    case comm::Probe_result::wrong_answer:
        return Tr::tr("answered, but not as the programmer");
    case comm::Probe_result::cannot_open:
        return Tr::tr("cannot open: %1").arg(r.reason);
    case comm::Probe_result::no_device:
        break;
    }
    return Tr::tr("no device");
}

QString port_text(const comm::Probe_result &r)
{
    return r.device.isEmpty() ? r.name : QStringLiteral("%1 (%2)").arg(r.name, r.device);
}

} // namespace

Auto_port find_board_port(comm::Trace *trace)
{
    QStringList outcomes;
    std::vector<comm::Probe_result> answered;
    for (const comm::Probe_result &r : comm::probe_ports(comm::com_targets(), trace)) {
        outcomes << QStringLiteral("  %1: %2").arg(port_text(r), outcome_text(r));
        if (r.outcome == comm::Probe_result::answered)
            answered.push_back(r);
    }
    Auto_port found;
    if (answered.size() == 1) {
        found.device = answered.front().device;
        found.report << Tr::tr("found the programmer on %1: %2")
                            .arg(port_text(answered.front()), answered.front().version);
    } else if (answered.empty()) {
        found.status = batch_link_failed;
        found.report << Tr::tr("no programmer found on COM1 to COM9") << outcomes;
    } else {
        found.status = batch_bad_input;
        found.report << Tr::tr("the programmer answers on %1 ports; name one with --port")
                            .arg(answered.size())
                     << outcomes;
    }
    return found;
}

All_ports find_all_board_ports(comm::Trace *trace)
{
    All_ports all;
    QStringList outcomes;
    for (const comm::Probe_result &r : comm::probe_ports(comm::com_targets(), trace)) {
        outcomes << QStringLiteral("  %1: %2").arg(port_text(r), outcome_text(r));
        if (r.outcome == comm::Probe_result::answered)
            all.names << r.name;
    }
    if (all.names.isEmpty()) {
        all.status = batch_link_failed;
        all.report << Tr::tr("no programmer found on COM1 to COM9");
    } else {
        all.report << Tr::tr("the programmer answers on %1").arg(all.names.join(QStringLiteral(", ")));
    }
    all.report << outcomes;
    return all;
}

} // namespace batch
