#include "app/cli/TableOptions.h"

#include "app/PenTableImport.h"
#include "app/PrintApp.h"
#include "app/cli/OptionHandlers.h"
#include "app/cli/OptionValues.h"
#include "app/cli/PrintOptions.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"

namespace tavolex::cli {

namespace {

TTableImport Import(bool pens, TPrintApp& app, const std::filesystem::path& file) {
  TPrintSettings& s = app.Settings;
  const bool environment = ExtLower(StrFromPath(file)) == u".jwf";
  if (pens) return environment ? ReadJwfPens(s, file) : ImportJwwPens(s, *app.JWW, file);
  return environment ? ReadJwfLtypes(s, file, s.LtypeUnit)
                     : ImportJwwLtypes(s, *app.JWW, file, s.LtypeUnit);
}

std::string WhyRefused(const std::filesystem::path& file, const TTableImport& r, bool pens) {
  if (r.refusal == TImportRefusal::NoSettings)
    return pens ? "holds no pen settings" : "holds no line-type settings";
  if (r.refusal == TImportRefusal::Unreadable) return "the drawing's settings cannot be read";
  const std::u16string ext = ExtLower(StrFromPath(file));
  std::error_code ec;
  if (ext != u".jww" && ext != u".jwf") return "takes a .jww drawing or a .jwf environment file";
  if (!std::filesystem::is_regular_file(file, ec)) return "no such file";
  if (ext == u".jww") return "not a Jw_cad drawing";
  return "cannot be read";
}

}  // namespace

// Fills the tables from the .jww or .jwf file of the option, as the window's buttons do, and
// makes the run use them.
bool ImportTable(const OptionUse& use) {
  const std::filesystem::path file = PathArg(use.value);
  const bool pens = use.name == "--import-pens";
  TPrintApp& app = *use.app;
  const TTableImport r = Import(pens, app, file);
  if (!r.done) {
    use.err << "tavolex-print: " << use.name << " " << StrToUtf8(StrFromPath(file)) << ": "
            << WhyRefused(file, r, pens) << "\n";
    return false;
  }
  TPrintSettings& s = app.Settings;
  if (r.ltypeUnit) s.LtypeUnit = *r.ltypeUnit;
  (pens ? s.PrnColor : s.PrnLtype) = kFromTable;
  if (!use.options.quiet) use.err << StrToUtf8(r.status) << "\n";
  return true;
}

int SaveSettingsOption(const std::filesystem::path& file, TPrintApp& app,
                       const std::vector<std::u16string>& list, std::ostream& err) {
  const std::u16string refused = CheckSaveName(file, app.Folders.SettingsFile);
  if (!refused.empty()) {
    err << "tavolex-print: --save-settings " << StrToUtf8(StrFromPath(file)) << ": "
        << StrToUtf8(refused) << "\n";
    return 2;
  }
  app.Settings.FileList = list;
  const SettingsSaveResult r = SaveSettings(app.Settings, SettingsForm::Full, file);
  if (!r.saved) {
    err << "tavolex-print: " << StrToUtf8(StrFromPath(file)) << ": " << StrToUtf8(r.status) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace tavolex::cli
