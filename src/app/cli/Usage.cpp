#include "app/cli/CliCommands.h"

namespace tavolex::cli {

void PrintUsage(std::ostream& out) {
  out << R"(Usage: tavolex-print [options] FILE|FOLDER...
   or: tavolex-print --list-printers
   or: tavolex-print --info FILE...
   or: tavolex-print --thumbnail SIZE INPUT OUTPUT

Prints Jw_cad drawings (.jww) one after another. A folder stands for every .jww file in it and
its subfolders, in name order.

Output (one of):
  --pdf FILE.pdf           every page of the run into one PDF file
  --pdf-dir FOLDER         one PDF file per printer document, named after its title
  --png FOLDER             one PNG image per page
  --printer NAME           a printer of the system (see --list-printers)
  --paper A3|A4|...|B4|Letter  sheet of PDF and PNG (default A3)
  --portrait, --landscape  orientation of PDF and PNG (default landscape)
  --dpi N                  resolution of PDF and PNG (default 600)

Settings (start from the defaults, or from a saved settings file):
  --settings FILE.dat      load a settings file saved by the window; its file list is printed
                           before the files named here
  --style drawing|fit|scale  scale from the drawing (default), fitted to the paper, or given
  --scale X                magnification (sets --style scale)
  --offset X,Y             offset in drawing millimetres (fit and given scale)
  --rotate DEG             rotation in degrees, clockwise positive (fit and given scale)
  --mono[=T]               monochrome, threshold T 0..255
  --white-black[=T]        white standard pens print black, threshold T
  --sxf-white-black[=T]    white SXF pens print black, threshold T
  --group-pages            one page per layer group (--no-group-pages: whole drawing)
  --common-group G         group 0..F printed on every group page, none, or display-only
  --one-document           the run is one printer document (--document-per-page: each page)
  --display-only skip|grey|colour|as-is   how display-only layers print (default skip)
  --display-only-color RRGGBB             their colour for "colour"
  --aux-lines              print auxiliary lines (--no-aux-lines)
  --order stored|layer|reverse            drawing order
  --pens drawing|settings  pen colours and widths from each drawing or the settings file
  --line-types drawing|settings           line types likewise
  --import-pens FILE       fill the pen table from a .jww drawing or a .jwf environment file
                           and print with it (sets --pens settings); may be repeated
  --import-line-types FILE
                           fill the line-type table likewise (sets --line-types settings)
  --ltype-unit MM          mm per dot of line-type pitches a drawing does not state (default
                           0.035), for the imports after it
  --save-settings FILE.dat
                           save the resulting settings with the drawings as their file list,
                           for the window or --settings; prints only when an output is also
                           given
  --quiet                  no progress lines

Progress goes to stderr, one line per drawing, then a summary. Ctrl-C stops after the drawing
being printed. Exit code: 0 every drawing printed, 1 some passed over or output failed,
2 usage error.
  --info FILE...           describe each drawing as one JSON object per line; exit code
                           0 every file read, 1 some not, 2 no file named
)";
  PrintDesktopUsage(out);
}

}  // namespace tavolex::cli
