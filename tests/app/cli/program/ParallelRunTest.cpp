// tavolex-print --jobs: worker processes give the same files as one process, and Ctrl-C leaves
// only whole files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <QImageReader>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/ScopedTempDir.h"
#include "support/TestPaths.h"

#ifdef TAVOLEX_PRINT_EXE

namespace tavolex {
namespace {

class ParallelRunTest : public ::testing::Test {
 protected:
  // Runs the program with its stderr in a pipe; `whileRunning` sees each chunk of stderr.
  struct Run {
    int exitCode = -1;
    std::string err;
  };
  template <typename Watch>
  static Run Start(const std::vector<std::string>& args, Watch whileRunning) {
    int fds[2];
    Run r;
    if (pipe(fds) != 0) return r;
    const pid_t pid = fork();
    if (pid == 0) {
      setpgid(0, 0);  // a group of its own, as a terminal's job: Ctrl-C reaches every worker
      dup2(fds[1], STDERR_FILENO);
      close(fds[0]);
      std::vector<char*> argv{const_cast<char*>(TAVOLEX_PRINT_EXE)};
      for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(TAVOLEX_PRINT_EXE, argv.data());
      _exit(127);
    }
    close(fds[1]);
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) {
      r.err.append(buf, static_cast<size_t>(n));
      whileRunning(pid, r.err);
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
  }

  static std::map<std::string, std::string> Contents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
      std::string data = test::FileBytes(e.path());
      // A PDF says when it was written; that is not part of what was printed.
      data = std::regex_replace(data, std::regex(R"(/CreationDate \([^)]*\))"), "");
      files[e.path().filename().string()] = data;
    }
    return files;
  }

  test::ScopedTempDir dir_;
};

TEST_F(ParallelRunTest, TwoWorkersWriteTheFilesOfOneProcess) {
  TAVOLEX_REQUIRE_SAMPLES();
  const std::string samples = test::SamplesDir().string();
  // One drawing twice: the second copy's files are numbered as a one-process run numbers them.
  const std::string again = (test::SamplesDir() / "Test2.jww").string();
  for (const std::string output : {"--png", "--pdf-dir"}) {
    std::map<std::string, std::string> byJobs[2];
    for (int jobs = 1; jobs <= 2; ++jobs) {
      const std::filesystem::path out = dir_ / (output + std::to_string(jobs));
      const Run r = Start({"--jobs", std::to_string(jobs), "--dpi", "150", output, out.string(),
                           samples, again, "missing.jww"},
                          [](pid_t, const std::string&) {});
      EXPECT_EQ(r.exitCode, 1) << r.err;  // the missing drawing
      EXPECT_NE(r.err.find("passed over (missing or not a JWW drawing): missing.jww"),
                std::string::npos)
          << r.err;
      byJobs[jobs - 1] = Contents(out);
    }
    EXPECT_GE(byJobs[0].size(), 14u) << output;
    EXPECT_EQ(byJobs[0].count(output == "--png" ? "Tavolex_Test2.jww-001 (2).png"
                                                : "Tavolex_Test2.jww (2).pdf"),
              1u);
    EXPECT_TRUE(byJobs[0] == byJobs[1]) << output << ": the two runs differ";
    if (output != "--png") continue;
    // Text in whole pixels keeps a sheet to its pen colours: every page is an indexed image.
    for (const auto& [name, data] : byJobs[0])
      EXPECT_TRUE(data.size() > 25 && data[25] == 3) << name << " is not an indexed image";
  }
}

TEST_F(ParallelRunTest, CtrlCInAParallelRunLeavesWholeFilesOnly) {
  TAVOLEX_REQUIRE_SAMPLES();
  const std::string samples = test::SamplesDir().string();
  const std::filesystem::path out = dir_ / "png";
  bool sent = false;
  const Run r = Start(
      {"--jobs", "2", "--dpi", "300", "--png", out.string(), samples, samples, samples, samples},
      [&](pid_t pid, const std::string& err) {
        if (!sent && err.find("[2/") != std::string::npos) {
          kill(-pid, SIGINT);
          sent = true;
        }
      });
  ASSERT_TRUE(sent) << r.err;
  EXPECT_EQ(r.exitCode, 1) << r.err;
  EXPECT_NE(r.err.find("interrupted"), std::string::npos) << r.err;
  std::smatch m;
  ASSERT_TRUE(std::regex_search(r.err, m, std::regex(R"((\d+) of 52 drawings printed)"))) << r.err;
  const int printed = std::stoi(m[1]);
  EXPECT_LT(printed, 52);
  int files = 0;
  QImageReader::setAllocationLimit(0);
  for (const auto& e : std::filesystem::directory_iterator(out)) {
    ASSERT_EQ(e.path().extension(), ".png") << e.path() << " is left over";
    ++files;
    const std::string data = test::FileBytes(e.path());
    // A whole PNG ends with its end chunk; A3 landscape at 300 dpi is 4961 points wide or so.
    EXPECT_TRUE(data.size() > 12 && data.compare(data.size() - 8, 4, "IEND") == 0) << e.path();
    QImage page;
    EXPECT_TRUE(page.loadFromData(reinterpret_cast<const uchar*>(data.data()),
                                  static_cast<int>(data.size())));
    EXPECT_NEAR(page.width(), 4961, 3) << e.path();
  }
  EXPECT_EQ(files, printed);
}

}  // namespace
}  // namespace tavolex

#endif
