// Worker processes for a run: the drawing code keeps one drawing per process in its globals, so
// several cores are used by forking workers that each take the next task from the run.
#pragma once

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

// Runs tasks 0..count-1 in `workers` forked processes. Workers ignore Ctrl-C, so the tasks in
// progress finish; returns the number of tasks handed out, -1 when no worker could be started.
int RunWorkerPool(int workers, int count, const WorkerPoolHooks& hooks);

}  // namespace tavolex::cli
