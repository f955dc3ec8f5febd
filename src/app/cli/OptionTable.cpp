#include "app/cli/OptionTable.h"

#include <array>

#include "app/cli/OptionHandlers.h"

namespace tavolex::cli {

namespace {

using enum OptionValue;
constexpr OptionStage Run = OptionStage::Run;
constexpr OptionStage Setting = OptionStage::Setting;

constexpr CliOption Text(std::string_view help) {
  return {{}, None, Run, nullptr, nullptr, help};
}
constexpr CliOption Option(std::string_view name, OptionValue value, OptionStage stage,
                           bool (*apply)(const OptionUse&), std::string_view help) {
  return {name, value, stage, apply, nullptr, help};
}
constexpr CliOption CommandRow(std::string_view name, int (*run)(const CommandUse&),
                            std::string_view help) {
  return {name, None, OptionStage::Command, nullptr, run, help};
}

// In the order of --help.
const auto kOptions = std::to_array<CliOption>({
    Text(R"(Usage: tavolex-print [options] FILE|FOLDER...
   or: tavolex-print --list-printers
   or: tavolex-print --info FILE...
   or: tavolex-print --thumbnail SIZE INPUT OUTPUT

Prints Jw_cad drawings (.jww) one after another. A folder stands for every .jww file in it and
its subfolders, in name order.

Output (one of):
)"),
    Option("--pdf", Required, Run, SetOutput,
           "  --pdf FILE.pdf           every page of the run into one PDF file\n"),
    Option("--pdf-dir", Required, Run, SetOutput,
           "  --pdf-dir FOLDER         one PDF file per printer document, named after its title\n"),
    Option("--png", Required, Run, SetOutput,
           "  --png FOLDER             one PNG image per page\n"),
    Option("--printer", Required, Run, SetOutput,
           "  --printer NAME           a printer of the system (see --list-printers)\n"),
    Option("--list-printers", None, Run, SetListPrinters, ""),
    Option("--paper", Required, Run, SetPaper,
           R"(  --paper A3|A4|...|B4|Letter  sheet (default A3; a printer keeps its own unless given)
  --paper drawing[,SHEET]  each page on the paper its drawing stores (A0 to A4); SHEET for
                           drawings that store none (default A3)
)"),
    Option("--portrait", None, Run, SetOrientation,
           "  --portrait, --landscape  orientation (default landscape; a printer keeps its own "
           "unless given)\n"),
    Option("--landscape", None, Run, SetOrientation, ""),
    Option("--dpi", Required, Run, SetDpi,
           "  --dpi N                  resolution of PDF and PNG (default 600)\n"),
    Option("--jobs", Required, Run, SetJobs,
           R"(  --jobs N                 drawings printed at once by N processes for --png and --pdf-dir
                           (default: one per core, fewer when memory is short)
)"),
    Text(R"(
Settings (start from the defaults, or from a saved settings file):
)"),
    Option("--settings", Required, Run, SetSettingsFile,
           R"(  --settings FILE.dat      load a settings file saved by the window; its file list is printed
                           before the files named here
)"),
    Option("--style", Required, Setting, SetStyle,
           "  --style drawing|fit|scale  scale from the drawing (default), fitted to the paper, or "
           "given\n"),
    Option("--scale", Required, Setting, SetScale,
           "  --scale X                magnification (sets --style scale)\n"),
    Option("--offset", Required, Setting, SetOffset,
           "  --offset X,Y             offset in drawing millimetres (fit and given scale)\n"),
    Option("--rotate", Required, Setting, SetRotate,
           "  --rotate DEG             rotation in degrees, clockwise positive (fit and given "
           "scale)\n"),
    Option("--mono", Optional, Setting, SetMonochrome,
           "  --mono[=T]               monochrome, threshold T 0..255\n"),
    Option("--white-black", Optional, Setting, SetMonochrome,
           "  --white-black[=T]        white standard pens print black, threshold T\n"),
    Option("--sxf-white-black", Optional, Setting, SetMonochrome,
           "  --sxf-white-black[=T]    white SXF pens print black, threshold T\n"),
    Option("--group-pages", None, Setting, SetGroupPages,
           "  --group-pages            one page per layer group (--no-group-pages: whole "
           "drawing)\n"),
    Option("--no-group-pages", None, Setting, SetGroupPages, ""),
    Option("--common-group", Required, Setting, SetCommonGroup,
           "  --common-group G         group 0..F printed on every group page, none, or "
           "display-only\n"),
    Option("--one-document", None, Setting, SetOneDocument,
           "  --one-document           the run is one printer document (--document-per-page: "
           "each page)\n"),
    Option("--document-per-page", None, Setting, SetOneDocument, ""),
    Option("--display-only", Required, Setting, SetDisplayOnly,
           "  --display-only skip|grey|colour|as-is   how display-only layers print (default "
           "skip)\n"),
    Option("--display-only-color", Required, Setting, SetDisplayOnlyColor,
           "  --display-only-color RRGGBB             their colour for \"colour\"\n"),
    Option("--aux-lines", None, Setting, SetAuxLines,
           "  --aux-lines              print auxiliary lines (--no-aux-lines)\n"),
    Option("--no-aux-lines", None, Setting, SetAuxLines, ""),
    Option("--order", Required, Setting, SetOrder,
           "  --order stored|layer|reverse            drawing order\n"),
    Option("--pens", Required, Setting, SetTableSource,
           "  --pens drawing|settings  pen colours and widths from each drawing or the settings "
           "file\n"),
    Option("--line-types", Required, Setting, SetTableSource,
           "  --line-types drawing|settings           line types likewise\n"),
    Option("--import-pens", Required, Setting, ImportTable,
           R"(  --import-pens FILE       fill the pen table from a .jww drawing or a .jwf environment file
                           and print with it (sets --pens settings); may be repeated
)"),
    Option("--import-line-types", Required, Setting, ImportTable,
           R"(  --import-line-types FILE
                           fill the line-type table likewise (sets --line-types settings)
)"),
    Option("--ltype-unit", Required, Setting, SetLtypeUnit,
           R"(  --ltype-unit MM          mm per dot of line-type pitches a drawing does not state (default
                           0.035), for the imports after it
)"),
    Option("--save-settings", Required, Run, SetSaveSettings,
           R"(  --save-settings FILE.dat
                           save the resulting settings with the drawings as their file list,
                           for the window or --settings; prints only when an output is also
                           given
)"),
    Option("--quiet", None, Run, SetQuiet, "  --quiet                  no progress lines\n"),
    Text(R"(
Progress goes to stderr, one line per drawing (on a terminal one line that keeps changing), then
a summary. Ctrl-C stops after the drawings being printed. A drawing counts as printed only when
it gave a page. Exit code: 0 every drawing printed, 1 some passed over, gave no page, or the
printer or output failed, 2 usage error (including an output file or settings file that cannot
be used).
)"),
    CommandRow("--info", InfoCommand,
            R"(  --info FILE...           describe each drawing as one JSON object per line; exit code
                           0 every file read, 1 some not, 2 no file named
)"),
    CommandRow("--thumbnail", ThumbnailCommand,
            R"(  --thumbnail SIZE INPUT OUTPUT  the drawing INPUT fitted into SIZE x SIZE pixels (1 to 2048)
                           on white paper, as the PNG file OUTPUT; exit code 0 written,
                           1 not a readable drawing or not written (no file is left), 2 usage
                           error
)"),
    CommandRow("--version", VersionCommand, "  --version                the program's version\n"),
    CommandRow("--help", HelpCommand, "  --help                   this text\n"),
    CommandRow("-h", HelpCommand, ""),
});

}  // namespace

std::span<const CliOption> CliOptions() {
  return kOptions;
}

const CliOption* FindOption(std::string_view name) {
  for (const CliOption& option : kOptions) {
    if (!option.name.empty() && option.name == name) return &option;
  }
  return nullptr;
}

bool BadValue(const OptionUse& use) {
  use.err << "tavolex-print: bad value for " << use.name << ": " << use.value << "\n";
  return false;
}

}  // namespace tavolex::cli
