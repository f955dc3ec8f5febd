// What the print system says about a queue and about the job just handed to it. Qt's painter
// reports success as soon as the job file is written; only the print system knows whether the
// queue took the job.
#pragma once

#include <QString>
#include <string>

namespace tavolex {

// Why the queue will not print a job now (gone, not accepting jobs, stopped); empty when it will.
std::string QueueRefusal(const QString& printerName);

// Why the print system refused the last job handed to it from this thread; empty when it took it.
std::string LastJobRefusal();

}  // namespace tavolex
