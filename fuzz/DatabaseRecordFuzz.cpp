// The chart database: any line is read into a form without a crash, and a form that was read is
// written and read back to the same values.

#include "FuzzSupport.h"
#include "charts/DatabaseRecord.h"
#include "common/Cp1251.h"
#include "common/UserError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velora;
  const std::string line = Cp1251ToUtf8(fuzz::Text(data, size));
  ChartForm form;
  TakeDatabaseRecord(line, form);
  std::string written;
  try {
    written = FormatDatabaseRecord(form);
  } catch (const UserError&) {
    return 0;  // a coordinate that is not a number is refused, not written
  }
  ChartForm again;
  TakeDatabaseRecord(written, again);
  fuzz::Require(FormatDatabaseRecord(again) == written, "record written twice differs");
  return 0;
}
