// Windows has no fork: a worker is the program started again with the same command line and
// TAVOLEX_WORKER_OF naming the run's process. It takes task numbers from its standard input and
// writes reports to its standard output; each worker's reports are read by a thread of the run.
#include <windows.h>

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <queue>
#include <string>
#include <thread>
#include <vector>

#include "app/cli/WorkerPool.h"

namespace tavolex::cli {

namespace {

constexpr wchar_t kWorkerOf[] = L"TAVOLEX_WORKER_OF";

// The run's process id from the environment; 0 when this process is no worker.
long WorkerOf() {
  static const long run = [] {
    wchar_t value[32] = {};
    const DWORD n = GetEnvironmentVariableW(kWorkerOf, value, 32);
    if (n == 0 || n >= 32) return 0L;
    wchar_t* end = nullptr;
    const long pid = std::wcstol(value, &end, 10);
    return end != value && *end == L'\0' && pid > 0 ? pid : 0L;
  }();
  return run;
}

bool WriteAll(HANDLE h, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    DWORD n = 0;
    const DWORD part = static_cast<DWORD>(std::min<size_t>(size, 1u << 20));
    if (!WriteFile(h, p, part, &n, nullptr) || n == 0) return false;
    p += n;
    size -= n;
  }
  return true;
}

bool ReadAll(HANDLE h, void* data, size_t size) {
  char* p = static_cast<char*>(data);
  while (size > 0) {
    DWORD n = 0;
    const DWORD part = static_cast<DWORD>(std::min<size_t>(size, 1u << 20));
    if (!ReadFile(h, p, part, &n, nullptr) || n == 0) return false;
    p += n;
    size -= n;
  }
  return true;
}

// A report is its length, then its bytes.
bool SendReport(HANDLE h, const std::string& report) {
  const uint64_t size = report.size();
  return WriteAll(h, &size, sizeof size) && WriteAll(h, report.data(), report.size());
}

std::optional<std::string> ReceiveReport(HANDLE h) {
  uint64_t size = 0;
  if (!ReadAll(h, &size, sizeof size) || size > (1u << 30)) return std::nullopt;
  std::string report(size, '\0');
  if (!ReadAll(h, report.data(), report.size())) return std::nullopt;
  return report;
}

// ---- The worker's side ----------------------------------------------------------------------

// Anything else written to standard output would break the reports, so it goes to NUL; the
// reports go to the pipe the run gave.
HANDLE TakeReportPipe() {
  HANDLE pipe = nullptr;
  const HANDLE self = GetCurrentProcess();
  if (!DuplicateHandle(self, GetStdHandle(STD_OUTPUT_HANDLE), self, &pipe, 0, FALSE,
                       DUPLICATE_SAME_ACCESS))
    return nullptr;
  std::cout.flush();
  std::fflush(stdout);
  if (!std::freopen("NUL", "w", stdout)) std::fclose(stdout);
  return pipe;
}

[[noreturn]] void ServeTasks(int count, const WorkerPoolHooks& hooks) {
  SetConsoleCtrlHandler(nullptr, TRUE);  // Ctrl-C is the run's: the task in progress finishes
  const HANDLE tasks = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE reports = TakeReportPipe();
  if (reports && hooks.workerStart) hooks.workerStart();
  int32_t index = 0;
  // A task this start of the program does not have (its drawings changed meanwhile) ends the
  // worker without a report, which the run tells as such.
  while (reports && ReadAll(tasks, &index, sizeof index) && index >= 0 && index < count) {
    if (!SendReport(reports, hooks.work(index))) break;
  }
  if (reports && hooks.workerEnd) hooks.workerEnd();
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  // The start's objects are left as they are, as a forked worker leaves the run's.
  ExitProcess(0);
}

// ---- The run's side -------------------------------------------------------------------------

// Closes a handle once.
void CloseOnce(HANDLE& h) {
  if (h) CloseHandle(h);
  h = nullptr;
}

// What a reader thread found: a worker's report, or nothing when its pipe ended.
struct Arrival {
  size_t worker;
  std::optional<std::string> report;
};

class Arrivals {
 public:
  void Push(Arrival a) {
    {
      std::lock_guard lock(mutex_);
      queue_.push(std::move(a));
    }
    ready_.notify_one();
  }
  Arrival Pop() {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return !queue_.empty(); });
    Arrival a = std::move(queue_.front());
    queue_.pop();
    return a;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::queue<Arrival> queue_;
};

struct Worker {
  HANDLE process = nullptr;
  HANDLE taskPipe = nullptr;    // the run writes task numbers here
  HANDLE reportPipe = nullptr;  // and its reader reads reports here
  std::thread reader;
  int task = -1;  // the task in progress, -1 when idle
  bool alive = false;
};

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return path.substr(0, n);
    path.resize(path.size() * 2);
  }
}

// The three ends a worker gets: pipes for tasks and reports, and NUL for its messages, so no
// progress line shows twice. Only these are inheritable while the worker is made.
struct WorkerEnds {
  HANDLE taskRead = nullptr;
  HANDLE reportWrite = nullptr;
  HANDLE nul = nullptr;
  ~WorkerEnds() {
    CloseOnce(taskRead);
    CloseOnce(reportWrite);
    CloseOnce(nul);
  }
};

bool MakePipes(Worker& w, WorkerEnds& ends) {
  if (!CreatePipe(&ends.taskRead, &w.taskPipe, nullptr, 0) ||
      !CreatePipe(&w.reportPipe, &ends.reportWrite, nullptr, 0))
    return false;
  ends.nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (ends.nul == INVALID_HANDLE_VALUE) ends.nul = nullptr;
  return ends.nul &&
         SetHandleInformation(ends.taskRead, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT) &&
         SetHandleInformation(ends.reportWrite, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT) &&
         SetHandleInformation(ends.nul, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
}

bool StartWorker(Worker& w, const std::wstring& program, Arrivals& arrivals, size_t id) {
  WorkerEnds ends;
  if (!MakePipes(w, ends)) return false;
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = ends.taskRead;
  start.hStdOutput = ends.reportWrite;
  start.hStdError = ends.nul;
  std::wstring commandLine = GetCommandLineW();  // CreateProcessW may write into it
  PROCESS_INFORMATION made{};
  // Its own process group and no console: Ctrl-C at the run's console does not reach it.
  const DWORD flags = CREATE_NEW_PROCESS_GROUP | CREATE_NO_WINDOW;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                      nullptr, &start, &made))
    return false;
  CloseHandle(made.hThread);
  w.process = made.hProcess;
  w.alive = true;
  w.reader = std::thread([&w, &arrivals, id] {
    for (;;) {
      std::optional<std::string> report = ReceiveReport(w.reportPipe);
      const bool ended = !report;
      arrivals.Push({id, std::move(report)});
      if (ended) return;
    }
  });
  return true;
}

// Its end of the task pipe closed, the worker ends when its task is done; its reader then ends.
void StopWorker(Worker& w) {
  CloseOnce(w.taskPipe);
  if (w.process) WaitForSingleObject(w.process, INFINITE);
  if (w.reader.joinable()) w.reader.join();
  CloseOnce(w.reportPipe);
  CloseOnce(w.process);
  w.alive = false;
}

// Starts up to `workers` workers, each marked by the run's process id in its environment.
std::vector<std::unique_ptr<Worker>> StartWorkers(int workers, Arrivals& arrivals) {
  std::vector<std::unique_ptr<Worker>> pool;
  const std::wstring program = ProgramPath();
  if (program.empty()) return pool;
  const std::wstring pid = std::to_wstring(GetCurrentProcessId());
  SetEnvironmentVariableW(kWorkerOf, pid.c_str());
  for (int i = 0; i < workers; ++i) {
    auto w = std::make_unique<Worker>();
    if (!StartWorker(*w, program, arrivals, pool.size())) {
      CloseOnce(w->taskPipe);
      CloseOnce(w->reportPipe);
      break;
    }
    pool.push_back(std::move(w));
  }
  SetEnvironmentVariableW(kWorkerOf, nullptr);
  return pool;
}

}  // namespace

bool HostRunsWorkers() {
  return true;
}

bool StartedAsWorker() {
  return WorkerOf() != 0;
}

long RunProcessId() {
  return StartedAsWorker() ? WorkerOf() : static_cast<long>(GetCurrentProcessId());
}

int RunWorkerPool(int workers, int count, const WorkerPoolHooks& hooks) {
  if (StartedAsWorker()) ServeTasks(count, hooks);
  Arrivals arrivals;
  std::vector<std::unique_ptr<Worker>> pool = StartWorkers(std::min(workers, count), arrivals);
  if (pool.empty() && count > 0) return -1;
  int next = 0;
  int committed = 0;
  std::map<int, std::optional<std::string>> done;
  bool stopping = false;
  int busy = 0;
  for (;;) {
    for (auto& w : pool) {
      if (!w->alive || w->task >= 0 || next >= count || stopping) continue;
      if (hooks.stop && hooks.stop()) {
        stopping = true;
        break;
      }
      const int32_t index = next;
      if (!WriteAll(w->taskPipe, &index, sizeof index)) {
        StopWorker(*w);
        continue;
      }
      w->task = next++;
      ++busy;
      if (hooks.started) hooks.started(w->task);
    }
    if (busy == 0) break;
    Arrival a = arrivals.Pop();
    Worker& w = *pool[a.worker];
    const bool ended = !a.report;
    if (w.task >= 0) {
      done[w.task] = std::move(a.report);
      w.task = -1;
      --busy;
    }
    if (ended) StopWorker(w);
    for (auto it = done.find(committed); it != done.end(); it = done.find(committed)) {
      if (hooks.finished) hooks.finished(committed, it->second);
      done.erase(it);
      ++committed;
    }
  }
  for (auto& w : pool)
    StopWorker(*w);
  return next;
}

// The processors this process may run on.
int UsableCores() {
  DWORD_PTR process = 0;
  DWORD_PTR system = 0;
  if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0)
    return std::popcount(static_cast<uint64_t>(process));
  const DWORD n = GetActiveProcessorCount(ALL_PROCESSOR_GROUPS);
  return n > 0 ? static_cast<int>(n) : 1;
}

uint64_t AvailableMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  return GlobalMemoryStatusEx(&status) ? status.ullAvailPhys : 0;
}

}  // namespace tavolex::cli
