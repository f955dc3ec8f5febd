// tavolex-print on a real print system: a private CUPS server of this test with its own
// configuration folder and a cups-pdf queue. The PDFs the queue writes are checked; a queue that
// rejects jobs or is stopped must fail the run.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "support/CliRun.h"
#include "platform/PageInk.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

#ifdef TAVOLEX_PRINT_EXE

extern char** environ;

namespace tavolex {
namespace {

namespace t = test;
using test::Quote;

test::CliOutcome RunPrint(const std::string& args) {
  return test::RunCli(TAVOLEX_PRINT_EXE, args);
}

constexpr char kQueue[] = "tavolex-test";
constexpr char kCupsd[] = "/usr/sbin/cupsd";
constexpr char kBackend[] = "/usr/lib/cups/backend/cups-pdf";
constexpr char kPpd[] = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

void WriteFile(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p) << text;
}

int Shell(const std::string& cmd) {
  const int status = std::system((cmd + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a command writes on stdout.
std::string Output(const std::string& cmd) {
  return test::RunShell(cmd + " 2>/dev/null").output;
}

// The server: started once for the suite, stopped by its process id.
class CupsServer {
 public:
  // Empty when it runs; else why not.
  std::string Start() {
    if (geteuid() != 0) return "the cups-pdf backend prints only for a server run as root";
    for (const char* f : {kCupsd, kBackend, kPpd}) {
      if (!std::filesystem::exists(f)) return std::string(f) + " is not installed";
    }
    const std::filesystem::path root = dir_.path();
    for (const char* sub : {"conf", "spool", "tmp", "cache", "state", "log"})
      std::filesystem::create_directories(root / sub);
    // Filters run as the unprivileged user and need to reach the work folders.
    chmod(root.c_str(), 0755);
    chmod((root / "tmp").c_str(), 01777);
    socket_ = root / "cups.sock";
    WriteFile(root / "conf" / "cupsd.conf",
              "Listen " + socket_.string() +
                  "\nLogLevel info\nWebInterface No\nBrowsing Off\nDefaultAuthType None\n"
                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n"
                  "  </Limit>\n</Policy>\n");
    WriteFile(root / "conf" / "cups-files.conf",
              "ServerRoot " + (root / "conf").string() + "\nRequestRoot " +
                  (root / "spool").string() + "\nTempDir " + (root / "tmp").string() +
                  "\nCacheDir " + (root / "cache").string() + "\nStateDir " +
                  (root / "state").string() + "\nErrorLog " + (root / "log/error_log").string() +
                  "\nAccessLog " + (root / "log/access_log").string() + "\nPageLog " +
                  (root / "log/page_log").string() + "\nSystemGroup root\n");
    const std::string c = (root / "conf/cupsd.conf").string();
    const std::string s = (root / "conf/cups-files.conf").string();
    const char* argv[] = {kCupsd, "-f", "-c", c.c_str(), "-s", s.c_str(), nullptr};
    if (posix_spawn(&pid_, kCupsd, nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
      pid_ = 0;
      return "cupsd could not be started";
    }
    for (int i = 0; i < 100 && !std::filesystem::exists(socket_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!std::filesystem::exists(socket_)) return "cupsd did not open its socket";
    setenv("CUPS_SERVER", socket_.c_str(), 1);
    if (Shell(std::string("lpadmin -p ") + kQueue + " -E -v cups-pdf:/tavolex -P " + kPpd) != 0)
      return "lpadmin could not make the cups-pdf queue";
    return {};
  }

  void Stop() {
    if (pid_ <= 0) return;
    Shell(std::string("lpadmin -x ") + kQueue);
    kill(pid_, SIGTERM);
    for (int i = 0; i < 50; ++i) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = 0;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = 0;
    }
    unsetenv("CUPS_SERVER");
  }

 private:
  t::ScopedTempDir dir_;
  std::filesystem::path socket_;
  pid_t pid_ = 0;
};

CupsServer* gServer = nullptr;
std::string gWhyNot;

class CupsPrintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    gServer = new CupsServer;
    gWhyNot = gServer->Start();
  }
  static void TearDownTestSuite() {
    gServer->Stop();
    delete gServer;
    gServer = nullptr;
  }
  void SetUp() override {
    if (!gWhyNot.empty()) GTEST_SKIP() << "no private CUPS server: " << gWhyNot;
  }
  void TearDown() override {
    for (const auto& f : written_)
      std::filesystem::remove(f);
  }

  // A wide block, named so that the queue's files of this test can be told apart.
  std::filesystem::path Drawing(const std::string& tag) {
    t::WDrawing d;
    t::WSolid s;
    s.att.nPenColor = 2;
    s.end_x = s.DPoint2_x = 400;
    s.DPoint2_y = s.DPoint3_y = 100;
    d.entities.push_back(s);
    const std::filesystem::path file = dir_ / (token_ + tag + ".jww");
    EXPECT_TRUE(t::SaveJww(file, d));
    return file;
  }

  // The PDFs cups-pdf wrote for this test's drawings, waiting until count of them are there.
  std::vector<std::filesystem::path> QueueOutput(size_t count) {
    const passwd* user = getpwuid(geteuid());
    const std::filesystem::path folder =
        std::filesystem::path("/var/spool/cups-pdf") / (user ? user->pw_name : "root");
    // A file is complete once the queue has no job left.
    for (int i = 0; i < 600 && !Output(std::string("lpstat -o ") + kQueue).empty(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::vector<std::filesystem::path> found;
    for (int i = 0; i < 600 && found.size() < count; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      found.clear();
      std::error_code ec;
      for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
           it.increment(ec)) {
        if (it->path().filename().string().find(token_) != std::string::npos)
          found.push_back(it->path());
      }
    }
    written_ = found;
    std::sort(found.begin(), found.end());
    return found;
  }

  t::ScopedTempDir dir_;
  std::string token_ = "cupstest" + std::to_string(getpid());
  std::vector<std::filesystem::path> written_;
};

std::string PdfInfo(const std::filesystem::path& pdf) {
  return Output("pdfinfo " + Quote(pdf));
}
TEST_F(CupsPrintTest, TwoDrawingsReachTheQueueOnA3Landscape) {
  const test::CliOutcome o =
      RunPrint(std::string("--printer ") + kQueue + " --paper A3 --landscape --style fit " +
               Quote(Drawing("a")) + " " + Quote(Drawing("b")));
  ASSERT_EQ(o.exitCode, 0) << o.output;
  EXPECT_NE(o.output.find("paper 420."), std::string::npos) << o.output;
  EXPECT_NE(o.output.find("2 of 2 drawings printed, 2 pages"), std::string::npos) << o.output;
  const auto pdfs = QueueOutput(2);
  ASSERT_EQ(pdfs.size(), 2u) << "the queue wrote no PDF for this run";
  for (const auto& pdf : pdfs) {
    const std::string info = PdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(A3)"), std::string::npos) << info;
    const std::string png = (dir_ / pdf.stem()).string();
    ASSERT_EQ(Shell("pdftoppm -r 20 -png -singlefile " + Quote(pdf) + " " + Quote(png)), 0);
    const QImage page(QString::fromStdString(png + ".png"));
    const test::Ink ink = test::InkOf(page);
    EXPECT_GT(ink.share, 0.05) << pdf << " is blank";
    // The sheet comes out of the queue upright; a landscape job lies across it, so the wide
    // block stands tall on it.
    EXPECT_GT(ink.box.height(), 2 * ink.box.width()) << pdf;
  }
}

TEST_F(CupsPrintTest, AQueueThatWillNotPrintFailsTheRun) {
  const std::string run = std::string("--quiet --printer ") + kQueue + " " + Quote(Drawing("r"));
  ASSERT_EQ(Shell(std::string("cupsreject ") + kQueue), 0);
  test::CliOutcome o = RunPrint(run);
  Shell(std::string("cupsaccept ") + kQueue);
  EXPECT_EQ(o.exitCode, 1) << o.output;
  EXPECT_NE(o.output.find("does not accept jobs"), std::string::npos) << o.output;
  EXPECT_NE(o.output.find("0 of 1 drawings printed"), std::string::npos) << o.output;

  ASSERT_EQ(Shell(std::string("cupsdisable ") + kQueue), 0);
  o = RunPrint(run);
  Shell(std::string("cupsenable ") + kQueue);
  EXPECT_EQ(o.exitCode, 1) << o.output;
  EXPECT_NE(o.output.find("stopped"), std::string::npos) << o.output;

  o = RunPrint("--quiet --printer no-such-queue " + Quote(Drawing("n")));
  EXPECT_EQ(o.exitCode, 2) << o.output;
}

}  // namespace
}  // namespace tavolex

#endif
