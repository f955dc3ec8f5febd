// Worker processes for a run: the drawing code keeps one drawing per process in its globals, so
// several cores are used by workers that each take the next task from the run. Where the system
// forks, a worker is a copy of the run; elsewhere it is the program started again with the same
// arguments, which comes to RunWorkerPool by the same way and serves tasks there.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tavolex::cli {

struct WorkerPoolHooks {
  // In a worker, once after it starts and once before it ends.
  std::function<void()> workerStart;
  std::function<void()> workerEnd;
  // In a worker: does task `index` and returns its report.
  std::function<std::string(int index)> work;
  // In the run, for each task as it is handed out.
  std::function<void(int index)> started;
  // In the run, in task order: the report, or nothing when the worker ended without one.
  std::function<void(int index, const std::optional<std::string>& report)> finished;
  // Polled before each task is handed out; true hands out no more.
  std::function<bool()> stop;
};

// Whether this system runs workers; where it does not, a run prints in its own process.
bool HostRunsWorkers();
// Whether this process was started as a worker of a run. Such a worker went through the
// program's start on its own, so what the run has done once (saving settings, printing in its own
// process) it must not do again.
bool StartedAsWorker();
// The process the run's shared folders are named after: the run's own, also in its workers.
long RunProcessId();
// The cores this process may use, at least 1.
int UsableCores();
// The memory available to new processes in bytes; 0 when the system does not tell.
uint64_t AvailableMemory();

// Runs tasks 0..count-1 in `workers` processes. Workers ignore Ctrl-C, so the tasks in progress
// finish; returns the number of tasks handed out, -1 when no worker could be started. In a
// started worker it serves tasks and ends the process instead of returning.
int RunWorkerPool(int workers, int count, const WorkerPoolHooks& hooks);

}  // namespace tavolex::cli
