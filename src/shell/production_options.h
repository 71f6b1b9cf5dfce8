#pragma once
// The batch options of gang and production runs: several ports, serial numbers, the
// production log and watch mode.

#include <QString>
#include <QStringList>

namespace shell {

struct Batch_options;

// Takes the option at args[i] when it is one of these (moving i past its value); returns
// false when it is not. `error` says what is wrong with a value.
bool take_production_option(const QStringList &args, int &i, Batch_options &options, QString &error);

// What is wrong with the options taken together; empty when nothing.
QString production_options_problem(const Batch_options &options);

// Whether the options name several boards (or "all"): the gang supervisor runs them.
bool several_boards(const Batch_options &options);

QString production_usage();

} // namespace shell
