// Worker processes for a run: the drawing code keeps one drawing per process in its globals, so
// several cores are used by forking workers that each take the next task from the run.
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

// Whether this system runs workers (forked processes); where it does not, a run prints in its
// own process.
bool HostRunsWorkers();
// The cores this process may use, at least 1.
int UsableCores();
// The memory available to new processes in bytes; 0 when the system does not tell.
uint64_t AvailableMemory();

// Runs tasks 0..count-1 in `workers` forked processes. Workers ignore Ctrl-C, so the tasks in
// progress finish; returns the number of tasks handed out, -1 when no worker could be started.
int RunWorkerPool(int workers, int count, const WorkerPoolHooks& hooks);

}  // namespace tavolex::cli
