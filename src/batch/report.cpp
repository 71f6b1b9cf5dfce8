#include "batch/report.h"
#include "batch/tr.h"

namespace batch {

QString run_summary(const Run_report &r)
{
    const QString seconds = QString::number(double(r.milliseconds) / 1000.0, 'f', 1);
    return r.serial.isEmpty() ? Tr::tr("%1, %2 s").arg(r.result, seconds)
                              : Tr::tr("%1, serial %2, %3 s").arg(r.result, r.serial, seconds);
}

} // namespace batch
