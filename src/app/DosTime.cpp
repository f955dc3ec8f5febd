#include "app/DosTime.h"

#include <chrono>
#include <system_error>

#include "common/HostSystem.h"

namespace tavolex {

uint32_t DateTimeToDos(const TDateTime& t) {
  if (t.Year < 1980) return DateTimeToDos(TDateTime{1980, 1, 1, 0, 0, 0});
  if (t.Year > 2107) return DateTimeToDos(TDateTime{2107, 12, 31, 23, 59, 58});
  const auto u = [](int v) { return static_cast<uint32_t>(v); };
  return (u(t.Year - 1980) << 25) | (u(t.Month) << 21) | (u(t.Day) << 16) | (u(t.Hour) << 11) |
         (u(t.Minute) << 5) | u(t.Second / 2);
}

TDateTime DosToDateTime(uint32_t dos) {
  TDateTime t;
  t.Year = static_cast<int>((dos >> 25) & 0x7F) + 1980;
  t.Month = static_cast<int>((dos >> 21) & 0x0F);
  t.Day = static_cast<int>((dos >> 16) & 0x1F);
  t.Hour = static_cast<int>((dos >> 11) & 0x1F);
  t.Minute = static_cast<int>((dos >> 5) & 0x3F);
  t.Second = static_cast<int>(dos & 0x1F) * 2;
  // A value that names no real day (the zero of an unreadable time) reads as the first day.
  if (t.Month < 1 || t.Month > 12) t.Month = 1;
  if (t.Day < 1) t.Day = 1;
  return t;
}

TDateTime LocalDateTime(std::time_t t) {
  std::tm tm{};
  if (!LocalTimeOf(t, tm)) return TDateTime{1980, 1, 1, 0, 0, 0};
  return TDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                   tm.tm_hour,        tm.tm_min,     tm.tm_sec > 59 ? 59 : tm.tm_sec};
}

uint32_t FileDosTime(const std::filesystem::path& file) {
  std::error_code ec;
  const std::filesystem::file_time_type written = std::filesystem::last_write_time(file, ec);
  if (ec) return 0;
  const auto seconds =
      std::chrono::floor<std::chrono::seconds>(std::chrono::file_clock::to_sys(written));
  return DateTimeToDos(LocalDateTime(std::chrono::system_clock::to_time_t(seconds)));
}

}  // namespace tavolex
