// The command line in-process over the recording platform: options, --help and the run's exits.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/PrintSettings.h"
#include "app/cli/CliCommands.h"
#include "support/FileBytes.h"
#include "support/JwwWriter.h"
#include "support/RecordingPlatform.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class CommandLineTest : public ::testing::Test {
 protected:
  // The command line split at spaces; "@" stands for the test's folder, "@/" for a name in it
  // (with the system's separator, as the run shows it).
  Outcome Run(const std::string& line) {
    std::vector<std::string> args;
    const std::string named =
        std::regex_replace(line, std::regex("@/"), (dir_.path() / "").string());
    std::istringstream words(std::regex_replace(named, std::regex("@"), dir_.path().string()));
    for (std::string w; words >> w;)
      args.push_back(w);
    std::ostringstream out, err;
    const cli::PlatformFactory make = [this] { return platform_.Borrowed(); };
    const int code = cli::RunCommandLine(args, "tavolex-print", make, out, err);
    return {code, out.str(), err.str()};
  }
  void SaveDrawing(const std::string& name) {
    test::WDrawing d;
    d.entities.push_back(test::WLine{.end_x = 100, .end_y = 50});
    ASSERT_TRUE(test::SaveJww(dir_ / name, d));
  }

  test::ScopedTempDir dir_;
  test::RecordingPlatform platform_;
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Every option --help names is one the command line takes, and every option it takes is in
// --help (the aliases in the lines of their pairs).
TEST_F(CommandLineTest, HelpAndOptionsComeFromOneTable) {
  const Outcome help = Run("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: tavolex-print [options] FILE|FOLDER...\n"));
  EXPECT_TRUE(help.out.ends_with("  --help                   this text\n"));
  const std::regex option("--[a-z][a-z-]*");
  for (std::sregex_iterator it(help.out.begin(), help.out.end(), option), end; it != end; ++it)
    EXPECT_NE(cli::FindOption(it->str()), nullptr) << it->str() << " is in --help only";
  for (const cli::CliOption& row : cli::CliOptions()) {
    if (row.name.starts_with("--")) {
      EXPECT_TRUE(Has(help.out, std::string(row.name))) << row.name;
    }
  }
  EXPECT_EQ(Run("-h").out, help.out);
  EXPECT_TRUE(Run("--version").out.starts_with("tavolex-print "));
  EXPECT_EQ(Run("").err, help.out);
}

TEST_F(CommandLineTest, UsageErrorsGiveExitCodeTwoBeforeAnythingPrints) {
  SaveDrawing("a.jww");
  const std::string printed = "--pdf @/x.pdf @/a.jww";
  for (const char* line :
       {"--pdf @/x.pdf", "@/a.jww", "--frobnicate", "--pdf", "--pdf x.pdf --png y a.jww",
        "--paper A9 --pdf x.pdf a.jww", "--dpi 20 --pdf x.pdf a.jww", "--jobs 0 --png y a.jww",
        "--pdf @/missing/x.pdf @/a.jww", "--pdf @ @/a.jww", "--png @/a.jww @/a.jww",
        "--settings @ --pdf x.pdf a.jww", "--printer nowhere a.jww", "--pdf x.pdf --info a.jww"}) {
    EXPECT_EQ(Run(line).exitCode, 2) << line;
  }
  for (const char* change :
       {"--style sideways", "--mono=300", "--scale 0", "--offset 1", "--common-group G",
        "--display-only-color 12345", "--order none", "--pens own", "--ltype-unit -1"}) {
    const Outcome o = Run(std::string(change) + " " + printed);
    EXPECT_EQ(o.exitCode, 2) << change;
    EXPECT_TRUE(Has(o.err, "bad value for")) << change << ": " << o.err;
  }
  std::ofstream(dir_ / "foreign.dat") << "[not settings]\r\n";
  const Outcome o = Run("--settings @/foreign.dat " + printed);
  EXPECT_EQ(o.exitCode, 2);
  EXPECT_TRUE(Has(o.err, "このファイルは Tavolex設定ファイルではありません"));
  EXPECT_TRUE(platform_.events.empty()) << "a printer was made for a refused run";
}

TEST_F(CommandLineTest, TheRunSaysHowItsOutputEnded) {
  SaveDrawing("a.jww");
  SaveDrawing("b.jww");
  Outcome o = Run("--quiet --pdf @/run.pdf @/a.jww @/missing.jww @/b.jww");
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_TRUE(
      Has(o.err, "passed over (missing or not a JWW drawing): " + (dir_ / "missing.jww").string()));
  EXPECT_TRUE(Has(o.err, "2 of 3 drawings printed, 2 pages")) << o.err;
  EXPECT_EQ(platform_.events,
            (std::vector<std::string>{"pdf:" + (dir_ / "run.pdf").string(), "begin:Tavolex_a.jww",
                                      "end", "begin:Tavolex_b.jww", "end"}));

  platform_.finishFails = true;
  o = Run("--quiet --pdf @/run.pdf @/a.jww");
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_TRUE(Has(o.err, "the printer or output file failed")) << o.err;

  platform_.finishFails = false;
  platform_.noPdfPrinter = true;
  o = Run("--quiet --pdf @/run.pdf @/a.jww");
  EXPECT_EQ(o.exitCode, 2);
  EXPECT_TRUE(Has(o.err, "no PDF printer; print to a printer that writes PDF files with --printer"))
      << o.err;

  platform_.noPdfPrinter = false;
  platform_.printers = {u"desk", u"プロッタ"};
  platform_.refusal = u"プロッタ is offline";
  o = Run("--printer プロッタ --paper A1 --portrait @/a.jww");
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_TRUE(Has(o.err, "printer Recorder: paper 594.06 x 841.04 mm")) << o.err;
  EXPECT_TRUE(Has(o.err, "the print system did not take the job: プロッタ is offline")) << o.err;

  EXPECT_EQ(Run("--list-printers").out, "desk\nプロッタ\n");
  platform_.printers.clear();
  o = Run("--list-printers");
  EXPECT_EQ(o.out, "");
  EXPECT_TRUE(Has(o.err, "no printers"));
}

TEST_F(CommandLineTest, ImportedTablesSaveAsSettingsThatLoadAgain) {
  std::ofstream(dir_ / "jw_win.jwf", std::ios::binary)
      << "# \x90\xFC\x90\x46\r\nS_COMM_2 = 0 -50\r\nPCOLLOR_3 = 255 0 0 5 0.5\r\n"
         "LTYPE_02 = FF00FF00 1 4 1\r\n";
  const Outcome saved =
      Run("--ltype-unit 0.05 --import-pens @/jw_win.jwf --import-line-types @/jw_win.jwf "
          "--save-settings @/first.dat @/a.jww");
  ASSERT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_TRUE(Has(saved.err, "から線色・線幅設定を読み取りました。"));
  const std::string bytes = test::FileBytes(dir_ / "first.dat");
  // Pens and line types from the tables, pen 3 red at 5 × 1/50 mm, the drawing in the list.
  EXPECT_TRUE(Has(bytes, "\r\n1\r\n0\r\n0\r\n0.1\r\n1\r\n0.05\r\n"));
  EXPECT_TRUE(Has(bytes, "\r\n255\r\n0.1\r\n0.5\r\n"));
  EXPECT_TRUE(Has(bytes, "\r\n2\r\n0\r\n0.4\r\n-0.4\r\n0.8\r\n"));
  const Outcome again = Run("--settings @/first.dat --save-settings @/second.dat");
  ASSERT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(test::FileBytes(dir_ / "second.dat"), bytes);

  for (const char* refused : {"--import-pens @/missing.jwf --save-settings @/second.dat",
                              "--import-line-types @/first.dat --save-settings @/second.dat",
                              "--import-pens @/jw_win.jwf --save-settings @/x.txt"})
    EXPECT_EQ(Run(refused).exitCode, 2) << refused;
  EXPECT_EQ(test::FileBytes(dir_ / "second.dat"), bytes);  // nothing saved by a refused run

  // An environment file without line types and a drawing cut short are refused, file named.
  std::ofstream(dir_ / "end.jwf") << "END\r\nLTYPE_02 = FF00FF00 1 4 1\r\n";
  std::ofstream(dir_ / "cut.jww") << "JwwData." << std::string("\x58\x02\0\0", 4);
  for (const auto& [option, name, why] :
       {std::tuple{"--import-line-types @/", "end.jwf", ": holds no line-type settings"},
        {"--import-pens @/", "end.jwf", ": holds no pen settings"},
        {"--import-pens @/", "cut.jww", ": the drawing's settings cannot be read"}}) {
    const Outcome o = Run(std::string(option) + name + " --save-settings @/second.dat");
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_TRUE(Has(o.err, (dir_ / name).string() + why)) << o.err;
  }
  EXPECT_EQ(test::FileBytes(dir_ / "second.dat"), bytes);
  EXPECT_TRUE(platform_.events.empty());
}

}  // namespace
}  // namespace tavolex
