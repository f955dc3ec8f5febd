#include "platform/qt/CupsQueue.h"

#include <cups/cups.h>

#include <cstring>

namespace tavolex {

namespace {

bool OptionIs(const cups_dest_t* dest, const char* name, const char* value) {
  const char* v = cupsGetOption(name, dest->num_options, dest->options);
  return v != nullptr && std::strcmp(v, value) == 0;
}

}  // namespace

std::string QueueRefusal(const QString& printerName) {
  // "queue/instance" names an instance of the queue; the queue decides.
  const QByteArray name = printerName.section(u'/', 0, 0).toLocal8Bit();
  const QByteArray instance = printerName.section(u'/', 1).toLocal8Bit();
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                       instance.isEmpty() ? nullptr : instance.constData());
  if (dest == nullptr) return "the printer is not known to the print system";
  std::string why;
  if (OptionIs(dest, "printer-is-accepting-jobs", "false") ||
      OptionIs(dest, "printer-is-accepting-jobs", "0")) {
    why = "the printer does not accept jobs";
  } else if (OptionIs(dest, "printer-state", "5")) {
    why = "the printer is stopped";
  }
  cupsFreeDests(1, dest);
  return why;
}

std::string LastJobRefusal() {
  const ipp_status_t status = cupsLastError();
  if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) return {};
  const char* text = cupsLastErrorString();
  return text != nullptr && *text != '\0' ? text : ippErrorString(status);
}

}  // namespace tavolex
