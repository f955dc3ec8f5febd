#include "app/cli/WorkerPool.h"

#include <poll.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <vector>

namespace tavolex::cli {

namespace {

bool WriteAll(int fd, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool ReadAll(int fd, void* data, size_t size) {
  char* p = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t n = read(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// A report is its length, then its bytes.
bool SendReport(int fd, const std::string& report) {
  const uint64_t size = report.size();
  return WriteAll(fd, &size, sizeof size) && WriteAll(fd, report.data(), report.size());
}

std::optional<std::string> ReceiveReport(int fd) {
  uint64_t size = 0;
  if (!ReadAll(fd, &size, sizeof size) || size > (1u << 30)) return std::nullopt;
  std::string report(size, '\0');
  if (!ReadAll(fd, report.data(), report.size())) return std::nullopt;
  return report;
}

struct Worker {
  pid_t pid = -1;
  int taskFd = -1;    // the run writes task numbers here
  int reportFd = -1;  // and reads reports here
  int task = -1;      // the task in progress, -1 when idle
};

[[noreturn]] void WorkerMain(int taskFd, int reportFd, const WorkerPoolHooks& hooks) {
  std::signal(SIGINT, SIG_IGN);
  if (hooks.workerStart) hooks.workerStart();
  int32_t index = 0;
  while (ReadAll(taskFd, &index, sizeof index)) {
    if (!SendReport(reportFd, hooks.work(index))) break;
  }
  if (hooks.workerEnd) hooks.workerEnd();
  std::fflush(nullptr);
  // The run's objects belong to the run: the worker leaves without destroying them.
  _exit(0);
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

void ClosePipe(int (&ends)[2]) {
  CloseFd(ends[0]);
  CloseFd(ends[1]);
}

bool StartWorker(Worker& w, const std::vector<Worker>& others, const WorkerPoolHooks& hooks) {
  int task[2] = {-1, -1};
  int report[2] = {-1, -1};
  if (pipe(task) != 0 || pipe(report) != 0) {
    ClosePipe(task);
    ClosePipe(report);
    return false;
  }
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    CloseFd(task[1]);
    CloseFd(report[0]);
    for (Worker o : others) {
      CloseFd(o.taskFd);
      CloseFd(o.reportFd);
    }
    WorkerMain(task[0], report[1], hooks);
  }
  CloseFd(task[0]);
  CloseFd(report[1]);
  if (pid < 0) {
    ClosePipe(task);
    ClosePipe(report);
    return false;
  }
  w.pid = pid;
  w.taskFd = task[1];
  w.reportFd = report[0];
  return true;
}

void StopWorker(Worker& w) {
  CloseFd(w.taskFd);
  CloseFd(w.reportFd);
  if (w.pid > 0) {
    int status = 0;
    while (waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  w.pid = -1;
}

}  // namespace

int RunWorkerPool(int workers, int count, const WorkerPoolHooks& hooks) {
  // A worker that died must not take the run with it when a task is written to it.
  void (*oldPipe)(int) = std::signal(SIGPIPE, SIG_IGN);
  std::vector<Worker> pool;
  for (int i = 0; i < workers && i < count; ++i) {
    Worker w;
    if (!StartWorker(w, pool, hooks)) break;
    pool.push_back(w);
  }
  if (pool.empty() && count > 0) {
    std::signal(SIGPIPE, oldPipe);
    return -1;
  }
  int next = 0;
  int committed = 0;
  std::map<int, std::optional<std::string>> done;
  bool stopping = false;
  for (;;) {
    for (Worker& w : pool) {
      if (w.pid < 0 || w.task >= 0 || next >= count || stopping) continue;
      if (hooks.stop && hooks.stop()) {
        stopping = true;
        break;
      }
      const int32_t index = next;
      if (!WriteAll(w.taskFd, &index, sizeof index)) {
        StopWorker(w);
        continue;
      }
      w.task = next++;
      if (hooks.started) hooks.started(w.task);
    }
    std::vector<pollfd> fds;
    std::vector<Worker*> busy;
    for (Worker& w : pool) {
      if (w.pid < 0 || w.task < 0) continue;
      fds.push_back(pollfd{w.reportFd, POLLIN, 0});
      busy.push_back(&w);
    }
    if (fds.empty()) break;
    // Ctrl-C interrupts the wait; the loop then looks at the stop flag again.
    if (poll(fds.data(), fds.size(), -1) < 0) continue;
    for (size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].revents == 0) continue;
      Worker& w = *busy[i];
      std::optional<std::string>& report = done[w.task];
      report = ReceiveReport(w.reportFd);
      if (!report) StopWorker(w);
      w.task = -1;
    }
    for (auto it = done.find(committed); it != done.end(); it = done.find(committed)) {
      if (hooks.finished) hooks.finished(committed, it->second);
      done.erase(it);
      ++committed;
    }
  }
  for (Worker& w : pool)
    StopWorker(w);
  std::signal(SIGPIPE, oldPipe);
  return next;
}

bool HostRunsWorkers() {
  return true;
}

// A forked worker is a copy of the run made after its start, never a start of its own.
bool StartedAsWorker() {
  return false;
}

long RunProcessId() {
  return static_cast<long>(getpid());
}

int UsableCores() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
  const long n = sysconf(_SC_NPROCESSORS_ONLN);
  return n > 0 ? static_cast<int>(n) : 1;
}

// MemAvailable of /proc/meminfo.
uint64_t AvailableMemory() {
  std::ifstream in("/proc/meminfo");
  std::string name;
  uint64_t kb = 0;
  std::string unit;
  while (in >> name >> kb >> unit) {
    if (name == "MemAvailable:") return kb * 1024u;
  }
  return 0;
}

}  // namespace tavolex::cli
